#pragma once

class QString;
class QWidget;

namespace gridwick {

class RuntimeError;

// Modal reports of an action that failed. The program keeps running afterwards.
void reportRuntimeError(QWidget* parent, const RuntimeError& error);
void reportFailure(QWidget* parent, const QString& message);

} // namespace gridwick
