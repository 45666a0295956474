#pragma once
#include "model/Environment.h"

class QWidget;

namespace qv {

// The environment of the running program: Qt message boxes, file dialogs, the wait cursor.
class WidgetEnvironment final : public Environment {
 public:
  Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title = {}) override;
  void beep() override;
  void setBusy(bool busy) override;
  QDateTime now() const override;
  QString openFileName(const QString& caption, const QString& filter, const QString& start) override;
  QString saveFileName(const QString& caption, const QString& filter, const QString& suggested) override;
  QString inputText(const QString& prompt) override;
  QColor chooseColor(const QColor& initial) override;
};

}  // namespace qv
