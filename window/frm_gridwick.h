#pragma once

#include "tally/pick_tally.h"
#include "window/text_box_display.h"
#include "window/window_printer.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

namespace Ui {
class frmGridwick;
}

namespace gridwick {

class RandomSource;
class ResultNotice;

// The program's one window: the layout from frmGridwick.ui, the tally it shows, and the
// handlers that bind the window's events and menu commands to the tally.
class FrmGridwick final : public QMainWindow {
    Q_OBJECT

public:
    // The flags are the window's where it runs (hostWindowFlags()), set before its layout is.
    explicit FrmGridwick(std::unique_ptr<RandomSource> random, QWidget* parent = nullptr,
        Qt::WindowFlags flags = {});
    ~FrmGridwick() override;
    FrmGridwick(const FrmGridwick&) = delete;
    FrmGridwick& operator=(const FrmGridwick&) = delete;

    [[nodiscard]] const TallyCounters& counters() const noexcept { return tally_.counters(); }

    // Where File > Print prints; the system's default printer unless set otherwise.
    void setPrinterProvider(PrinterProvider provider);

signals:
    // File > Exit was confirmed: the program must end now, without closing the window first
    // (closing would ask the quit question again).
    void endProgramRequested();
    // A command has ended and the boxes show the tally it left (counters()).
    void tallyShown();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void bindEvents();

    void Command1_Click();
    void Form_MouseDown(Qt::MouseButton button, const QPoint& globalPosition);
    void popUpFromKeyboard();
    void Form_Unload(std::int16_t& cancel);
    void mnuPrint_Click();
    void mnuExit_Click();
    void mnuClear_Click();
    void mnuMore_Click(std::int16_t batchSize); // mnu100More_Click .. mnu900More_Click
    void mnuClearFields_Click();

    // Runs a command's action so that no exception reaches the event loop: a run-time error,
    // other failure, or the failure text an action may return is reported and the window goes
    // on running. The texts the action wrote reach the boxes first in every case. True when
    // the action succeeded.
    template <typename Action> bool runCommand(Action&& action) noexcept;
    // Tells a screen reader what the last pick or batch came to.
    void announcePicks();

    std::unique_ptr<Ui::frmGridwick> ui_;
    std::unique_ptr<RandomSource> random_;
    TextBoxDisplay display_;
    PickTally tally_;
    PrinterProvider printerProvider_;
    std::unique_ptr<ResultNotice> notice_;
};

} // namespace gridwick
