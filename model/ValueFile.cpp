#include "model/ValueFile.h"

#include <QFile>

#include "model/AtomicFile.h"
#include "model/Cp1252.h"

namespace qv {

ValueReader::ValueReader(const QByteArray& fileBytes) : text_(cp1252::decode(fileBytes)) {}

std::optional<ValueReader> ValueReader::open(const QString& path, QString* error, qint64 maxBytes) {
  QByteArray bytes;
  if (!readWholeFile(path, &bytes, error, maxBytes)) return std::nullopt;
  return ValueReader(bytes);
}

bool ValueReader::atEnd() const {
  // A final line end (or a DOS end-of-file mark) is not another record.
  int p = pos_;
  while (p < text_.size() && (text_[p] == u'\r' || text_[p] == u'\n' || text_[p] == QChar(0x1A))) ++p;
  return p >= text_.size();
}

std::optional<QString> ValueReader::nextLine() {
  if (pos_ >= text_.size()) return std::nullopt;
  int end = pos_;
  while (end < text_.size() && text_[end] != u'\r' && text_[end] != u'\n') ++end;
  QString out = text_.mid(pos_, end - pos_);
  pos_ = end;
  if (pos_ < text_.size() && text_[pos_] == u'\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
  ++line_;
  return out;
}

void ValueReader::skipSeparator() {
  while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t')) ++pos_;
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == u',') {
    ++pos_;
    return;
  }
  if (text_[pos_] == u'\r' || text_[pos_] == u'\n') {
    if (text_[pos_] == u'\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
    ++line_;
  }
}

std::optional<QString> ValueReader::nextValue() {
  // Blank lines between records are passed over, as a sequential read does.
  while (pos_ < text_.size()) {
    const QChar c = text_[pos_];
    if (c == u' ' || c == u'\t') ++pos_;
    else if (c == u'\r' || c == u'\n') {
      if (c == u'\r') ++pos_;
      if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
      ++line_;
    } else break;
  }
  if (pos_ >= text_.size() || text_[pos_] == QChar(0x1A)) return std::nullopt;
  QString out;
  if (text_[pos_] == u'"') {
    ++pos_;
    while (pos_ < text_.size()) {
      const QChar c = text_[pos_++];
      if (c == u'"') {
        if (pos_ < text_.size() && text_[pos_] == u'"') {
          out += u'"';
          ++pos_;
          continue;
        }
        break;
      }
      if (c == u'\n') ++line_;
      out += c;
    }
    // Anything between the closing quote and the separator is dropped.
    while (pos_ < text_.size() && text_[pos_] != u',' && text_[pos_] != u'\r' && text_[pos_] != u'\n') ++pos_;
  } else {
    int end = pos_;
    while (end < text_.size() && text_[end] != u',' && text_[end] != u'\r' && text_[end] != u'\n') ++end;
    out = text_.mid(pos_, end - pos_);
    while (!out.isEmpty() && (out.back() == u' ' || out.back() == u'\t')) out.chop(1);
    pos_ = end;
  }
  skipSeparator();
  return out;
}

std::optional<int> ValueReader::nextInt(int lo, int hi) {
  const auto v = nextValue();
  if (!v) return std::nullopt;
  bool ok = false;
  const long long n = v->trimmed().toLongLong(&ok);
  if (!ok || n < lo || n > hi) return std::nullopt;
  return static_cast<int>(n);
}

void ValueWriter::line(const QString& text) {
  bytes_.append(cp1252::encode(text));
  bytes_.append("\r\n");
}

void ValueWriter::values(const QStringList& fields) { line(fields.join(u',')); }

QString ValueWriter::quoted(const QString& text) {
  QString inner = text;
  inner.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + inner + u'"';
}

QString ValueWriter::quotedIfNeeded(const QString& text) {
  return text.contains(u',') || text.startsWith(u'"') ? quoted(text) : text;
}

}  // namespace qv
