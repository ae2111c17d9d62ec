#pragma once

#include <QMimeData>

#include <memory>

class QClipboard;

// Keeps a deep copy of everything on the clipboard (every format it offers, a picture as a
// picture) from its construction until Restore() or its destruction, which puts it all back.
// An empty clipboard comes back empty.
class ClipboardKeeper {
public:
    ClipboardKeeper();
    ~ClipboardKeeper();
    ClipboardKeeper(const ClipboardKeeper&) = delete;
    ClipboardKeeper& operator=(const ClipboardKeeper&) = delete;

    // A deep copy of the given clipboard content; null when it offers nothing.
    static std::unique_ptr<QMimeData> Copy(const QMimeData* source);

    // Puts the saved content back (or clears the clipboard when it was empty). Runs once.
    void Restore();

private:
    std::unique_ptr<QMimeData> m_saved;
    bool m_bRestored = false;
};
