#pragma once
// Sequential text files of comma-separated, optionally quoted values, one record per line,
// Windows-1252 with CR LF. The reader takes whole lines or single values; the writer builds
// the file in memory so it can be stored in one atomic step.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace qv {

class ValueReader {
 public:
  explicit ValueReader(const QByteArray& fileBytes);
  // Reads a file whole; empty when it cannot be read or is longer than maxBytes.
  static std::optional<ValueReader> open(const QString& path, QString* error = nullptr,
                                         qint64 maxBytes = 4 * 1024 * 1024);

  bool atEnd() const;
  // The rest of the current line, without its line end.
  std::optional<QString> nextLine();
  // One value: blanks before it are skipped; a quoted value ends at its closing quote (a doubled
  // quote inside stands for one quote); an unquoted value ends at a comma or the line end and loses
  // its trailing blanks. The separator after the value is consumed.
  std::optional<QString> nextValue();
  // nextValue() read as an integer in [lo, hi]; empty when missing, not a whole number or out of range.
  std::optional<int> nextInt(int lo, int hi);
  int lineNumber() const { return line_; }

 private:
  void skipSeparator();
  QString text_;
  int pos_ = 0;
  int line_ = 1;
};

class ValueWriter {
 public:
  // The text as it stands, then CR LF.
  void line(const QString& text);
  // Values joined by commas, each as given (use quoted() for strings that need it).
  void values(const QStringList& fields);
  const QByteArray& bytes() const { return bytes_; }

  // "text" with inner quotes doubled.
  static QString quoted(const QString& text);
  // Quoted only when it holds a comma or starts with a quote; blanks stay as they are.
  static QString quotedIfNeeded(const QString& text);

 private:
  QByteArray bytes_;
};

}  // namespace qv
