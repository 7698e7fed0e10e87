#include "ZuboComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>

namespace {

// Puts the platform combo box's text field and arrow where the flat face has them, and makes the
// list drop below the box.
class FlatComboStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* widget) const override
    {
        const auto* combo = qobject_cast<const TZuboComboBox*>(widget);
        if (cc == CC_ComboBox && combo) {
            if (sc == SC_ComboBoxEditField || sc == SC_ComboBoxListBoxPopup)
                return sc == SC_ComboBoxEditField ? combo->ContentRect().toQRect() : opt->rect;
            if (sc == SC_ComboBoxArrow)
                return combo->GetButtonRect().toQRect();
        }
        return QProxyStyle::subControlRect(cc, opt, sc, widget);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* flatComboStyle()
{
    static QPointer<FlatComboStyle> style;
    if (!style) {
        style = new FlatComboStyle;
        style->setParent(qApp);
    }
    return style;
}

// Rows of the list: ItemHeight high, drawn by the window when the box is owner-drawn.
class RowDelegate : public QStyledItemDelegate {
public:
    explicit RowDelegate(TZuboComboBox* combo)
        : QStyledItemDelegate(combo)
        , m_combo(combo)
    {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), std::max(m_combo->ItemHeight(), 1)};
    }
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        TOwnerDrawState state;
        state.selected = option.state & QStyle::State_Selected;
        state.focused = option.state & QStyle::State_HasFocus;
        state.disabled = !(option.state & QStyle::State_Enabled);
        const TComboBoxStyle style = m_combo->Style();
        if (style == csOwnerDrawFixed || style == csOwnerDrawVariable) {
            emit m_combo->OnDrawItem(p, index.row(), option.rect, state);
            return;
        }
        const TRect r = TRect::of(option.rect);
        FillRect(*p, r, state.selected ? clHighlight : m_combo->Color());
        p->setPen(state.selected ? toQColor(clHighlightText) : toQColor(FontColor(m_combo)));
        p->setFont(m_combo->font());
        p->drawText(r.shrunk(2, 0).toQRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    index.data().toString());
    }

private:
    TZuboComboBox* m_combo;
};

} // namespace

TZuboComboBox::TZuboComboBox(QWidget* parent)
    : TZuboComboBox(parent, csDropDown)
{}

TZuboComboBox::TZuboComboBox(QWidget* parent, TComboBoxStyle style)
    : QComboBox(parent)
{
    setStyle(flatComboStyle());
    setItemDelegate(new RowDelegate(this));
    // The open list takes the keys (eventFilter).
    view()->installEventFilter(this);
    setMaxVisibleItems(8);
    SetStyle(style);
    connect(this, &QComboBox::activated, this, &TZuboComboBox::OnChange);
    resize(145, 21);
}

void TZuboComboBox::SetIndexedColor(int index, TColor value)
{
    if (index >= 0 && index < int(m_colors.size()))
        m_colors[std::size_t(index)] = value;
    update();
}

void TZuboComboBox::SetColor(TColor c)
{
    m_color = c;
    applyFieldColors();
    update();
}

void TZuboComboBox::applyFieldColors()
{
    // The text field and the list take the field's colour; their text colour stays inherited.
    QPalette p = palette();
    p.setColor(QPalette::Base, toQColor(m_color));
    setPalette(p);
    if (lineEdit()) {
        QPalette lp = lineEdit()->palette();
        lp.setColor(QPalette::Base, toQColor(m_color));
        lineEdit()->setPalette(lp);
    }
}

void TZuboComboBox::SetStyle(TComboBoxStyle style)
{
    m_style = style;
    const bool editable = style == csDropDown || style == csSimple;
    setEditable(editable);
    if (editable) {
        lineEdit()->setFrame(false);
        connect(lineEdit(), &QLineEdit::textEdited, this, &TZuboComboBox::OnChange, Qt::UniqueConnection);
    }
    applyFieldColors();
    update();
}

void TZuboComboBox::SetItemHeight(int height)
{
    m_itemHeight = height;
    update();
}

QStringList TZuboComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TZuboComboBox::SetItems(const QStringList& items)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

TRect TZuboComboBox::GetButtonRect() const
{
    return {width() - ButtonWidth - 1, 0, width() - 1, height()};
}

TRect TZuboComboBox::ContentRect() const
{
    return {3, 3, width() - ButtonWidth - 4, height() - 3};
}

void TZuboComboBox::showPopup()
{
    emit OnDropDown();
    m_droppedDown = true;
    update();
    QComboBox::showPopup();
}

void TZuboComboBox::hidePopup()
{
    QComboBox::hidePopup();
    m_droppedDown = false;
    update();
}

void TZuboComboBox::keyPressEvent(QKeyEvent* e)
{
    // Alt+Up drops the list down like Alt+Down; it must not step the selection of a closed box.
    if (e->key() == Qt::Key_Up && (e->modifiers() & Qt::AltModifier)) {
        e->accept();
        showPopup();
        return;
    }
    QComboBox::keyPressEvent(e);
}

bool TZuboComboBox::eventFilter(QObject* watched, QEvent* e)
{
    // In the open list Alt+Up closes it as Alt+Down and F4 do, instead of moving the highlight. The
    // key press may still follow its shortcut check, after the list has closed.
    if (watched == view() && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress)) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Up && (key->modifiers() & Qt::AltModifier)) {
            e->accept();
            if (view()->isVisible())
                hidePopup();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, e);
}

void TZuboComboBox::changeEvent(QEvent* e)
{
    QComboBox::changeEvent(e);
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::PaletteChange)
        update();
}

void TZuboComboBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    FillRect(p, {0, 0, width(), height()}, m_color);
    if (!isEditable()) {
        const TRect content = ContentRect();
        const bool focused = hasFocus() && !m_droppedDown;
        if (m_style == csOwnerDrawFixed || m_style == csOwnerDrawVariable) {
            if (currentIndex() >= 0) {
                TOwnerDrawState state;
                state.selected = focused;
                state.focused = focused;
                state.disabled = !isEnabled();
                state.comboBoxEdit = true;
                p.save();
                p.setClipRect(content.toQRect());
                emit OnDrawItem(&p, currentIndex(), content.toQRect(), state);
                p.restore();
            }
        } else {
            if (focused)
                FillRect(p, content, clHighlight);
            p.setPen(toQColor(!isEnabled() ? clGrayText : focused ? clHighlightText : FontColor(this)));
            p.drawText(content.shrunk(2, 0).toQRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       currentText());
        }
    }
    RedrawBorder(p);
    if (m_style != csSimple)
        DrawButton(p);
}

void TZuboComboBox::RedrawBorder(QPainter& p) const
{
    TRect f{0, 0, width() - ButtonWidth - 1, height()};
    FrameRect(p, f, ColorBorder());
    f = f.shrunk(1, 1);
    FrameRect(p, f, m_color);
    f = f.shrunk(1, 1);
    FrameRect(p, f, m_color);
}

void TZuboComboBox::DrawButton(QPainter& p) const
{
    const TRect button = GetButtonRect();
    const TRect b{button.left - 1, button.top, button.right + 1, button.bottom};
    FillRect(p, b, ColorArrowBackground());
    FrameRect(p, b, ColorBorder());
    const int x0 = b.left + b.width() / 2 - 6;
    const int y0 = b.top + b.height() / 2 - 1;
    const std::vector<QPoint> arrow = m_droppedDown
                                          ? std::vector<QPoint>{{x0 + 4, y0 + 2}, {x0 + 8, y0 + 2}, {x0 + 6, y0}}
                                          : std::vector<QPoint>{{x0 + 4, y0}, {x0 + 8, y0}, {x0 + 6, y0 + 2}};
    if (isEnabled())
        FillPolygon(p, arrow, ColorArrow());
    else
        FillEmbossedPolygon(p, arrow);
}
