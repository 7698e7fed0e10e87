#pragma once

#include <QString>

// The desktop's clipboard, for the copy commands. Tests install a double that records the text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content by plain text.
    virtual void setText(const QString& text) = 0;

    static Clipboard& current();
    static void setCurrent(Clipboard* clipboard);
};
