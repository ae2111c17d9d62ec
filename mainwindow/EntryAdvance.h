#pragma once

#include <QString>

class QObject;

// When a value box is full and the focus moves on by itself, and what a Tab typed right after
// means. Knows nothing of widgets: the window tells it the keys and the focus moves.
class EntryAdvance {
public:
    // A box's value is full: the systolic value at three characters; the diastolic and pulse
    // values at two characters unless the first is "1", and always at three.
    enum class Rule { ThreeCharacters, TwoOrThree };
    static bool IsFull(Rule rule, const QString& szText);

    // A key other than a lone modifier went down in box, whose text was szTextBefore. True when
    // the key is a Tab typed out of habit right after the focus moved to box by itself: it is
    // taken as done and must be swallowed.
    bool KeyPressed(const QObject* box, bool bPlainTab, const QString& szTextBefore);
    // The key went up in box, whose text is now szTextAfter. True when that key filled the
    // box: it changed the text without shortening it (the release of Tab, Enter, an arrow or of
    // the key that brought the focus here did not).
    bool KeyReleased(const QObject* box, const QString& szTextAfter);
    // The focus moved to next by itself.
    void Advanced(const QObject* next) { m_pAutoAdvanced = next; }
    // The focus arrived somewhere by the user's doing.
    void FocusMoved() { m_pAutoAdvanced = nullptr; }

private:
    // The box a key was pressed in and its text before that key.
    const QObject* m_pKeyBox = nullptr;
    QString m_szTextBeforeKey;
    // The box the focus moved to by itself, until a key is pressed there.
    const QObject* m_pAutoAdvanced = nullptr;
};
