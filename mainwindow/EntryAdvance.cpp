#include "mainwindow/EntryAdvance.h"

bool EntryAdvance::IsFull(Rule rule, const QString& szText) {
    if (rule == Rule::TwoOrThree && szText.length() == 2 && szText.at(0) != u'1') {
        return true;
    }
    return szText.length() == 3;
}

bool EntryAdvance::KeyPressed(const QObject* box, bool bPlainTab, const QString& szTextBefore) {
    const bool bHabitTab = m_pAutoAdvanced == box && bPlainTab;
    m_pAutoAdvanced = nullptr;
    if (bHabitTab) {
        return true;
    }
    m_pKeyBox = box;
    m_szTextBeforeKey = szTextBefore;
    return false;
}

bool EntryAdvance::KeyReleased(const QObject* box, const QString& szTextAfter) {
    const bool bFilled = m_pKeyBox == box && szTextAfter != m_szTextBeforeKey &&
                         szTextAfter.size() >= m_szTextBeforeKey.size();
    m_pKeyBox = nullptr;
    return bFilled;
}
