// The main window shows readings another computer changed, without disturbing the typing.

#include "mainwindow/frmMain.h"

#include "report/frmReport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// What the user sees of the box being typed in: its text, caret and selection.
struct TypingState {
    QLineEdit* pLine = nullptr;
    QPlainTextEdit* pPlain = nullptr;
    QString szText;
    int iCursor = 0;
    int iAnchor = 0;
};

} // namespace

void frmMain::ShowReloadedReadings() {
    TypingState typing;
    QWidget* focus = QApplication::focusWidget();
    if (focus == txtSystolic || focus == txtDiastolic || focus == txtPulse) {
        typing.pLine = static_cast<QLineEdit*>(focus);
        typing.szText = typing.pLine->text();
        typing.iCursor = typing.pLine->cursorPosition();
        // The selection's far end from the caret, where a selection is.
        typing.iAnchor = typing.iCursor;
        if (typing.pLine->hasSelectedText()) {
            const int iStart = typing.pLine->selectionStart();
            const int iEnd = iStart + typing.pLine->selectionLength();
            typing.iAnchor = typing.iCursor == iStart ? iEnd : iStart;
        }
    } else if (focus == txtComment) {
        typing.pPlain = txtComment;
        typing.szText = txtComment->toPlainText();
        typing.iCursor = txtComment->textCursor().position();
        typing.iAnchor = txtComment->textCursor().anchor();
    }
    LoadSelectedDay();
    FillReadingsChart();
    // An open report shows them too (it holds the same readings, changed in place).
    if (m_pOpenReport != nullptr) {
        m_pOpenReport->ShowReadingsAgain();
    }
    // The box being typed in keeps what the user sees: the next key stores it as ever.
    if (typing.pLine != nullptr) {
        if (typing.pLine->text() != typing.szText) {
            typing.pLine->setText(typing.szText);
        }
        typing.pLine->setSelection(typing.iAnchor, typing.iCursor - typing.iAnchor);
    } else if (typing.pPlain != nullptr) {
        if (typing.pPlain->toPlainText() != typing.szText) {
            typing.pPlain->setPlainText(typing.szText);
        }
        QTextCursor cursor = typing.pPlain->textCursor();
        cursor.setPosition(typing.iAnchor);
        cursor.setPosition(typing.iCursor, QTextCursor::KeepAnchor);
        typing.pPlain->setTextCursor(cursor);
    }
}
