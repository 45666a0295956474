#include "shell/ui/WidgetEnvironment.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "model/Marke.h"
#include "shell/ui/Dateitextfilter.h"

namespace qv {

Answer WidgetEnvironment::message(const QString& text, Buttons buttons, Icon icon, const QString& title) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title.isEmpty() ? brand().S_Titel : title);
  box.setText(text);
  switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
  }
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  // The busy cursor must not hide behind a question.
  const bool busy = QGuiApplication::overrideCursor() != nullptr;
  if (busy) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  const int r = box.exec();
  if (busy) QGuiApplication::restoreOverrideCursor();
  switch (r) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

void WidgetEnvironment::beep() { QApplication::beep(); }

void WidgetEnvironment::setBusy(bool busy) {
  if (busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else QGuiApplication::restoreOverrideCursor();
}

QDateTime WidgetEnvironment::now() const { return QDateTime::currentDateTime(); }

QString WidgetEnvironment::openFileName(const QString& caption, const QString& filter, const QString& start) {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, start, filter);
}

QString WidgetEnvironment::saveFileName(const QString& caption, const QString& filter, const QString& suggested) {
  // The program asks its own overwrite question.
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggested, filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

QString WidgetEnvironment::inputText(const QString& prompt) {
  // The input box asks for names that go into a file (places, holiday sets).
  QInputDialog d(QApplication::activeWindow());
  d.setWindowTitle(brand().S_Titel);
  d.setLabelText(prompt);
  d.setInputMode(QInputDialog::TextInput);
  d.setTextValue(QString());
  if (auto* box = d.findChild<QLineEdit*>()) Dateitextfilter::setzeAuf(box);
  return d.exec() == QDialog::Accepted ? d.textValue() : QString();
}

QColor WidgetEnvironment::chooseColor(const QColor& initial) {
  return QColorDialog::getColor(initial, QApplication::activeWindow());
}

}  // namespace qv
