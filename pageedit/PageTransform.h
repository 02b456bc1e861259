#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

class LineReader;
class LineWriter;

// Maps one line of a page, as raw bytes, to the line written in its place;
// nullopt keeps the line byte for byte.
using LineRule = std::function<std::optional<QByteArray>(const QByteArray& line)>;

// One markup line put after the first line that ends the page's body.
struct InsertAfterBodyEnd {
    QString markup;
};
// Every line of the page passed through a rule.
struct SubstituteLines {
    LineRule rule;
};
using PageTransform = std::variant<InsertAfterBodyEnd, SubstituteLines>;

// True when the line, upper-cased, holds "/BODY" or "</HTML". Only ASCII letters are
// upper-cased, so the test reads a page in any 8-bit code page or in UTF-8 alike.
bool IsBodyEndLine(QByteArrayView line);

// Copies every line from the reader to the writer through the transform. Throws VbError
// from either side.
void CopyTransformed(LineReader& page, LineWriter& temporary, const PageTransform& transform);

// The page path with its last character replaced by "~" and by "_".
QString TemporaryPath(const QString& pagePath);
QString BackupPath(const QString& pagePath);
