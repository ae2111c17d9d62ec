#pragma once

// The text of a CSV file: its bytes decoded, and its records (rows) of fields read one at a
// time. Qt Core only.

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

namespace Csv {

// The bytes as text: UTF-8 with or without byte-order mark, UTF-16 with one, else
// Windows-1252. *pszEncoding receives "UTF-8", "UTF-16" or "Windows-1252".
QString DecodeBytes(const QByteArray& bytes, QString* pszEncoding);

struct Field {
    QString szText;
    bool bQuoted = false;
};

// Reads records (rows) of RFC 4180 text one at a time and counts the lines they span. Line
// ends may be CR LF, LF or CR; blanks around a quoted field are allowed, blanks around a field
// without quotes are trimmed.
class RecordReader {
public:
    RecordReader(QStringView text, QChar cDelimiter) : m_text(text), m_cDelimiter(cDelimiter) {}

    enum Result { Record, End, Broken };

    // The next record into fields, its first line into iLine; Broken with szProblem when a
    // quote is never closed or text follows one.
    Result Next(QList<Field>& fields, int& iLine, QString& szProblem);

    // The text after the record just read, and the line it starts on.
    qsizetype Position() const { return m_pos; }
    int Line() const { return m_iLine; }
    void Restart(qsizetype pos, int iLine) {
        m_pos = pos;
        m_iLine = iLine;
    }

private:
    // A quoted field from p (at its opening quote) into field; where it ends, or -1 and
    // szProblem. iField counts from 1, for the message.
    qsizetype ReadQuoted(qsizetype p, qsizetype iField, Field& field, QString& szProblem);
    // A field without quotes from m_pos into field; where it ends.
    qsizetype ReadPlain(Field& field) const;
    bool EndsField(qsizetype p) const;
    qsizetype SkipBlanks(qsizetype p) const;
    void CountLines(QStringView part);

    QStringView m_text;
    QChar m_cDelimiter;
    qsizetype m_pos = 0;
    int m_iLine = 1;
};

bool IsBlankRecord(const QList<Field>& fields);

} // namespace Csv
