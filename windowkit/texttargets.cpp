#include "texttargets.h"

#include "FlatUtilitys.h"
#include "ZuboComboBox.h"
#include "codec1250.h"
#include "messages.h"

#include <QLabel>

void TextTargets::add(int id, Setter setter)
{
    if (const auto text = m_texts.constFind(id); text != m_texts.cend())
        setter(*text);
    m_targets[id].append(std::move(setter));
}

void TextTargets::apply(int id, const QString& text)
{
    m_texts.insert(id, text);
    const auto it = m_targets.constFind(id);
    if (it == m_targets.cend())
        return;
    for (const Setter& set : *it)
        set(text);
}

void TextTargets::applyBuiltIn()
{
    for (auto it = m_targets.cbegin(); it != m_targets.cend(); ++it)
        apply(it.key(), cp1250::toUnicode(builtInText(it.key())));
}

TextTargets::Setter TextTargets::caption(QLabel* label)
{
    return [label](const QString& text) {
        label->setText(text);
        // Labels size themselves to their caption, except those of a fixed width (right-aligned).
        if (!(label->alignment() & Qt::AlignRight))
            label->adjustSize();
    };
}

TextTargets::Setter TextTargets::caption(TFlatButtonControl* control)
{
    return [control](const QString& text) { control->SetCaption(text); };
}

TextTargets::Setter TextTargets::hint(QWidget* control)
{
    return [control](const QString& text) { control->setToolTip(text); };
}

TextTargets::Setter TextTargets::item(TZuboComboBox* list, int index)
{
    return [list, index](const QString& text) {
        if (index < list->count())
            list->setItemText(index, text);
    };
}
