#include "diary/CsvText.h"

#include "xmlstore/CodePage.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>

namespace {

struct CsvImport {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

// A character that UTF-16 cannot spell (half of a surrogate pair) as U+FFFD, as a broken
// UTF-8 sequence reads, so that the text can be written again as it reads.
void ReplaceUnpairedSurrogates(QString& szText) {
    for (qsizetype i = 0; i < szText.size(); ++i) {
        const QChar c = szText[i];
        if (c.isHighSurrogate() && i + 1 < szText.size() && szText[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            szText[i] = QChar::ReplacementCharacter;
        }
    }
}

} // namespace

QString Csv::DecodeBytes(const QByteArray& bytes, QString* pszEncoding) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        *pszEncoding = QStringLiteral("UTF-8");
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        *pszEncoding = QStringLiteral("UTF-16");
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                            : QStringConverter::Utf16BE);
        QString szText = decoder(QByteArrayView(bytes).sliced(2));
        ReplaceUnpairedSurrogates(szText);
        return szText;
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString szText = utf8(bytes);
    if (!utf8.hasError()) {
        *pszEncoding = QStringLiteral("UTF-8");
        return szText;
    }
    // Not UTF-8: the 8-bit code page that Windows programs write (and the data file uses).
    *pszEncoding = QStringLiteral("Windows-1252");
    CodePage::DecodeInto(bytes.constData(), bytes.size(), szText);
    return szText;
}

Csv::RecordReader::Result Csv::RecordReader::Next(QList<Field>& fields, int& iLine,
                                                  QString& szProblem) {
    const qsizetype n = m_text.size();
    if (m_pos >= n) {
        return End;
    }
    fields.clear();
    iLine = m_iLine;
    for (;;) {
        Field field;
        qsizetype p = SkipBlanks(m_pos);
        if (p < n && m_text[p] == u'"') {
            p = ReadQuoted(p, fields.size() + 1, field, szProblem);
            if (p < 0) {
                return Broken;
            }
        } else {
            p = ReadPlain(field);
        }
        fields.append(std::move(field));
        if (p >= n) {
            m_pos = n;
            return Record;
        }
        if (m_text[p] == m_cDelimiter) {
            m_pos = p + 1;
            continue;
        }
        // A line end closes the record.
        if (m_text[p] == u'\r' && p + 1 < n && m_text[p + 1] == u'\n') {
            ++p;
        }
        m_pos = p + 1;
        ++m_iLine;
        return Record;
    }
}

qsizetype Csv::RecordReader::ReadQuoted(qsizetype p, qsizetype iField, Field& field,
                                        QString& szProblem) {
    const qsizetype n = m_text.size();
    field.bQuoted = true;
    const int iFieldLine = m_iLine;
    ++p;
    for (;;) {
        const qsizetype q = m_text.indexOf(u'"', p);
        if (q < 0) {
            //: %1: the field's number in its row, %2: a line number
            szProblem = CsvImport::tr("field %1 opens a quote on line %2 that is never closed")
                            .arg(iField)
                            .arg(iFieldLine);
            return -1;
        }
        const QStringView part = m_text.sliced(p, q - p);
        CountLines(part);
        field.szText += part;
        if (q + 1 < n && m_text[q + 1] == u'"') {
            field.szText += u'"';
            p = q + 2;
            continue;
        }
        p = q + 1;
        break;
    }
    p = SkipBlanks(p);
    if (!EndsField(p)) {
        szProblem = CsvImport::tr("field %1 has text after its closing quote").arg(iField);
        return -1;
    }
    return p;
}

qsizetype Csv::RecordReader::ReadPlain(Field& field) const {
    qsizetype q = m_pos;
    while (!EndsField(q)) {
        ++q;
    }
    field.szText = m_text.sliced(m_pos, q - m_pos).trimmed().toString();
    return q;
}

bool Csv::RecordReader::EndsField(qsizetype p) const {
    return p >= m_text.size() || m_text[p] == m_cDelimiter || m_text[p] == u'\r' ||
           m_text[p] == u'\n';
}

qsizetype Csv::RecordReader::SkipBlanks(qsizetype p) const {
    while (p < m_text.size() &&
           (m_text[p] == u' ' || (m_text[p] == u'\t' && m_cDelimiter != u'\t'))) {
        ++p;
    }
    return p;
}

void Csv::RecordReader::CountLines(QStringView part) {
    for (qsizetype i = 0; i < part.size(); ++i) {
        if (part[i] == u'\n' ||
            (part[i] == u'\r' && (i + 1 >= part.size() || part[i + 1] != u'\n'))) {
            ++m_iLine;
        }
    }
}

bool Csv::IsBlankRecord(const QList<Field>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const Field& field) { return field.szText.isEmpty(); });
}
