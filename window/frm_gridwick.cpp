#include "window/frm_gridwick.h"

#include "runtime/random_source.h"
#include "runtime/runtime_error.h"
#include "ui_frmGridwick.h"
#include "window/font_substitutes.h"
#include "window/message_boxes.h"
#include "window/result_notice.h"
#include "window/window_printer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPrinter>
#include <QShortcut>

#include <exception>
#include <optional>
#include <type_traits>

namespace gridwick {

namespace {

    // Sets up the generated layout before the members that use its text boxes.
    std::unique_ptr<Ui::frmGridwick> setUpLayout(QMainWindow& window)
    {
        auto ui = std::make_unique<Ui::frmGridwick>();
        ui->setupUi(&window);
        useStandInFaces(window);
        return ui;
    }

} // namespace

FrmGridwick::FrmGridwick(
    std::unique_ptr<RandomSource> random, QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , ui_(setUpLayout(*this))
    , random_(std::move(random))
    , display_(textBoxesIn(*this))
    , tally_(display_, *random_)
    , printerProvider_(&defaultPrinter)
    , notice_(std::make_unique<ResultNotice>(*this))
{
    // The client area is fixed; the window's height follows the menu bar's, whatever the style.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setContextMenuPolicy(Qt::PreventContextMenu);
    ui_->Command1->setFocus();
    bindEvents();
}

FrmGridwick::~FrmGridwick() = default;

void FrmGridwick::setPrinterProvider(PrinterProvider provider)
{
    printerProvider_ = std::move(provider);
}

void FrmGridwick::bindEvents()
{
    connect(ui_->Command1, &QPushButton::clicked, this, &FrmGridwick::Command1_Click);
    connect(ui_->mnuPrint, &QAction::triggered, this, &FrmGridwick::mnuPrint_Click);
    connect(ui_->mnuExit, &QAction::triggered, this, &FrmGridwick::mnuExit_Click);
    connect(ui_->mnuClear, &QAction::triggered, this, &FrmGridwick::mnuClear_Click);
    connect(ui_->mnuClearFields, &QAction::triggered, this, &FrmGridwick::mnuClearFields_Click);
    // The nine batch commands differ only in the size the layout gives each of them.
    const QList<QAction*> batchCommands = ui_->mnuRandom->actions();
    for (QAction* action : batchCommands) {
        const QVariant batchSize = action->property("batchSize");
        if (batchSize.isValid()) {
            const auto size = static_cast<std::int16_t>(batchSize.toInt());
            connect(action, &QAction::triggered, this, [this, size] { mnuMore_Click(size); });
        }
    }
    // The keyboard's ways to a context menu: the Menu key and Shift+F10.
    for (const QKeySequence& keys :
        { QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10) }) {
        auto* shortcut = new QShortcut(keys, this); // owned by the window
        connect(shortcut, &QShortcut::activated, this, &FrmGridwick::popUpFromKeyboard);
    }
}

template <typename Action> bool FrmGridwick::runCommand(Action&& action) noexcept
{
    // The report is a modal box with an event loop of its own: it opens once the handler has
    // been left, not inside it.
    std::optional<QString> failure;
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Action>>) {
            action();
        } else {
            failure = action();
        }
    } catch (const RuntimeError& error) {
        failure = runTimeErrorText(error);
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    display_.flush();
    emit tallyShown();
    if (failure) {
        reportFailure(this, *failure);
    }
    return !failure;
}

void FrmGridwick::announcePicks()
{
    notice_->say(resultLine(tally_.counters()));
}

void FrmGridwick::Command1_Click()
{
    if (runCommand([this] { tally_.press(); })) {
        announcePicks();
    }
}

void FrmGridwick::mnuMore_Click(std::int16_t batchSize)
{
    if (runCommand([this, batchSize] { tally_.addPicks(batchSize); })) {
        announcePicks();
    }
}

void FrmGridwick::mnuClear_Click()
{
    if (runCommand([this] { tally_.clear(); })) {
        //: Told to a screen reader once the tallies have been cleared.
        notice_->say(QCoreApplication::translate("FrmGridwick", "Cleared"));
    }
}

void FrmGridwick::mnuClearFields_Click()
{
    mnuClear_Click();
}

void FrmGridwick::mousePressEvent(QMouseEvent* event)
{
    // Presses on a label reach the window too; only the bare surface counts.
    const QWidget* target = childAt(event->position().toPoint());
    if (target == nullptr || target == centralWidget()) {
        Form_MouseDown(event->button(), event->globalPosition().toPoint());
    }
    event->accept();
}

void FrmGridwick::Form_MouseDown(Qt::MouseButton button, const QPoint& globalPosition)
{
    if (button == Qt::RightButton) {
        ui_->mnuRandom->popup(globalPosition);
    }
}

void FrmGridwick::popUpFromKeyboard()
{
    // At the focus widget, where desktops open a context menu asked for from the keyboard.
    const QWidget* anchor = focusWidget() != nullptr ? focusWidget() : this;
    ui_->mnuRandom->popup(anchor->mapToGlobal(anchor->rect().center()));
}

void FrmGridwick::closeEvent(QCloseEvent* event)
{
    std::int16_t cancel = 0;
    Form_Unload(cancel);
    event->setAccepted(cancel == 0);
}

void FrmGridwick::Form_Unload(std::int16_t& cancel)
{
    if (!askQuitQuestion(this)) {
        cancel = 1;
    }
}

void FrmGridwick::mnuExit_Click()
{
    if (askQuitQuestion(this)) {
        emit endProgramRequested();
    }
}

void FrmGridwick::mnuPrint_Click()
{
    runCommand([this] { return printWindow(*centralWidget(), printerProvider_); });
}

} // namespace gridwick
