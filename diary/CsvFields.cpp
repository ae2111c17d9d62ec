#include "diary/CsvFields.h"

bool Csv::IsPlainNumber(QStringView s) {
    qsizetype i = (!s.isEmpty() && (s[0] == u'+' || s[0] == u'-')) ? 1 : 0;
    const auto digits = [&] {
        const qsizetype iStart = i;
        while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
            ++i;
        }
        return i > iStart;
    };
    if (!digits()) {
        return false;
    }
    if (i < s.size() && (s[i] == u'.' || s[i] == u',')) {
        ++i;
        if (!digits()) {
            return false;
        }
    }
    return i == s.size();
}

void Csv::TakeOffFormulaGuard(QString& szField) {
    if (szField.startsWith(kFormulaGuard) && NeedsFormulaGuard(QStringView(szField).sliced(1))) {
        szField.remove(0, 1);
    }
}
