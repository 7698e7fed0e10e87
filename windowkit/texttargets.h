#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class QLabel;
class QWidget;
class TFlatButtonControl;
class TZuboComboBox;

// Where each language text goes: every window registers the controls its texts name, by text
// number, when it is built; choosing a language then sets them all. One number may have several
// targets, which all receive the same text. A window built after texts were set gets them as it
// registers, so it shows the language in use whenever it is made.
class TextTargets {
public:
    using Setter = std::function<void(const QString&)>;

    // The target gets the text last set for the number, if any, at once.
    void add(int id, Setter setter);
    // Sets the text on every target of the number, and on those added for it later.
    void apply(int id, const QString& text);
    bool has(int id) const { return m_targets.contains(id); }
    // Sets the built-in text of every registered number: a window built with its own targets
    // starts with the texts the built-in language gives.
    void applyBuiltIn();

    // The usual targets: a label's or a button's caption, a control's hint, an item of a list.
    static Setter caption(QLabel* label);
    static Setter caption(TFlatButtonControl* control);
    static Setter hint(QWidget* control);
    // The item keeps its place; the list keeps its length and its selection.
    static Setter item(TZuboComboBox* list, int index);

private:
    QHash<int, QList<Setter>> m_targets;
    QHash<int, QString> m_texts; // the text last set for each number
};
