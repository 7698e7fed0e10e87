#pragma once

#include "checkerscan.h"
#include "colorscheme.h"
#include "resultrows.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class FileRemover;
class ProcessStarter;
class Prompter;
class QLabel;
class QListWidget;
class QPainter;
class TFlatHint;
class TFlatSpeedButton;
class TShape;

namespace oprogramie {
class TForm2;
}

// The checker's results window: today's date and holiday, the coming and the just passed occasions
// as owner-drawn rows, and the commands on them.
namespace wyniki {

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Reads the colour scheme from the settings file in `programDir` (the program folder, ending in
    // "/") and colours the window; the about box takes the same scheme. A double click starts the
    // main program of `programsDir`, the checker's own folder, through `starter`. Passed one-off
    // reminders are deleted through `remover`; the questions and errors go to `prompter`.
    TForm1(const QString& programDir, const QString& programsDir, const FileRemover& remover,
           const ProcessStarter& starter, Prompter& prompter, QWidget* parent = nullptr);
    ~TForm1() override;

    // The run's coming occasions as the window holds them; the coming rows index them.
    const QList<wpis>& ComingEvents() const { return m_comingEvents; }

    // The chosen language's texts on the buttons and in the about box; the rows' words come from
    // them too.
    void ApplyTexts(const CheckerTexts& texts);
    // The rows of one run, none selected.
    void Fill(const CheckerResult& result);

    // The selected row, or -1.
    int ItemIndex() const;
    // A row of the list; nothing for a row that is not there.
    std::optional<ResultRow> Row(int row) const;

    int ListBox1MeasureItem(int row) const;
    void ListBox1DrawItem(QPainter& canvas, int row, const QRect& rect, bool selected) const;
    void ListBox1Click();
    void ListBox1DblClick();
    void FlatSpeedButton1Click();
    void FlatSpeedButton5Click();
    void FlatSpeedButton6Click();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The controls, each named by its component name (see nameControls).
    QListWidget* ListBox1;
    QLabel* Image1;
    TShape* Shape1;
    TFlatSpeedButton* FlatSpeedButton1; // "K": deletes a coming one-off reminder
    TFlatSpeedButton* FlatSpeedButton6; // "O": the about box
    TFlatSpeedButton* FlatSpeedButton5; // "X": ends the checker
    TFlatHint* FlatHint1;
    oprogramie::TForm2* Form2; // the about box

    void FormCreate();
    // The record of a coming or past row; null for the other rows.
    const wpis* recordOf(const std::optional<ResultRow>& row) const;
    bool isComingOneOff(int row) const;
    void drawEntryRow(QPainter& canvas, RowKind kind, const wpis& entry, const QRect& rect, bool selected) const;

    // The window's copies of the run's lists, which the coming and past rows index, and the year the
    // first lines of the rows count ages in.
    QList<wpis> m_comingEvents;
    QList<wpis> m_pastEvents;
    std::uint16_t m_currentYear = 0;
    QString m_programDir;
    QString m_programsDir;
    const FileRemover& m_remover;
    const ProcessStarter& m_starter;
    Prompter& m_prompter;
    ColorScheme m_scheme;
    CheckerTexts m_texts;
};

} // namespace wyniki
