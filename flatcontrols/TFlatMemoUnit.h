#pragma once

#include "TFlatEditUnit.h"

#include <QPlainTextEdit>
#include <QStringList>

enum TScrollStyle { ssNone = 0, ssHorizontal = 1, ssVertical = 2, ssBoth = 3 };

// The multi-line text field, the edit's twin: the same colours and 3-pixel frame, scroll bars inside
// the frame. Text and signals are QPlainTextEdit's.
class TFlatMemo : public TFlatTextField<QPlainTextEdit> {
    Q_OBJECT
public:
    explicit TFlatMemo(QWidget* parent = nullptr);

    // The text as lines; a last line break does not start another line.
    QStringList Lines() const;
    void SetLines(const QStringList& lines);

    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);
    // Off: Enter is left to the dialog instead of starting a new line.
    bool WantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool on) { m_wantReturns = on; }
    // Off: Tab moves the focus on instead of being typed.
    bool WantTabs() const { return !tabChangesFocus(); }
    void SetWantTabs(bool on) { setTabChangesFocus(!on); }

protected:
    bool IsSameClass(const QWidget* w) const override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    TScrollStyle m_scrollBars = ssNone;
    bool m_wordWrap = true;
    bool m_wantReturns = true;
};
