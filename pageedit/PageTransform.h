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

// Where the text, upper-cased, first holds "/BODY" or "</HTML" (the position of its "/"), or -1:
// a line that holds either ends the page's body. Only ASCII letters are upper-cased, so the test
// reads a page in any 8-bit code page or in UTF-8 alike.
qsizetype FindBodyEnd(QByteArrayView text);

// Copies every line from the reader to the writer through the transform. A line keeps its own
// end (CR LF, CR or LF), an inserted line takes the end of the line before it, and a last line
// without an end gets CR LF. Throws VbError from either side.
void CopyTransformed(LineReader& page, LineWriter& temporary, const PageTransform& transform);

// The page path with its last character replaced by "~" and by "_".
QString TemporaryPath(const QString& pagePath);
QString BackupPath(const QString& pagePath);
