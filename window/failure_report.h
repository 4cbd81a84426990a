#pragma once

class QString;
class QWidget;

namespace gridwick {

// A modal report of an action that failed. The program keeps running afterwards.
void reportFailure(QWidget* parent, const QString& message);

} // namespace gridwick
