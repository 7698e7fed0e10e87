#pragma once

#include "clock.h"
#include "personlist.h"
#include "printlayout.h"
#include "programstate.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QStringList>

class Printer;
class QLabel;
class QListWidget;
class QPainter;
class TFlatGauge;
class TFlatRadioButton;
class TFlatSpeedButton;
class TShape;

namespace adres_nadawcy {
class TForm13;
}

// The print picker: the user moves persons from the candidates to the chosen list, by hand or by
// group, saves and loads such lists, and prints the chosen persons as sheets or envelopes. The bulk
// e-mail window is the same picker with another action.
namespace drukowanie {

class TForm8 : public QDialog {
    Q_OBJECT
public:
    // `state` gives the program folder, the data folder settings, the messages, the colours and the
    // file access; `senderAddress` is the sender address dialog the envelopes ask (without it
    // envelopes are not printed); `clock` dates the person sheets. All must outlive the picker.
    explicit TForm8(const ProgramState& state, adres_nadawcy::TForm13* senderAddress = nullptr,
                    const Clock& clock = Clock::standard(), QWidget* parent = nullptr);
    ~TForm8() override;

    // The persons on offer, sorted by name; the person lists' rows hold indexes into it.
    const QList<PersonListEntry>& PickerEntries() const { return m_entries; }

    // Empties the lists and offers these persons (sorted by name) and groups for one showing.
    void Fill(QList<PersonListEntry> entries, const QList<QByteArray>& groups);
    // The chosen persons in list order.
    QList<PersonListEntry> Chosen() const;

    void FormShow();
    // Row `index` of a person list (ListBox1 or ListBox3): the entry's name after a bullet.
    void ListBox1DrawItem(const QListWidget* list, QPainter* canvas, int index, const QRect& rect, bool selected) const;
    void ListBox2DrawItem(const QListWidget* list, QPainter* canvas, int index, const QRect& rect, bool selected) const;
    void FlatSpeedButton2Click();
    void FlatSpeedButton3Click();
    void FlatSpeedButton4Click();
    void FlatSpeedButton5Click();
    void ListBox2Click();
    void FlatSpeedButton7Click();
    void FlatSpeedButton8Click();
    virtual void FlatSpeedButton6Click();

    void PrintPersonSheets();
    void PrintEnvelopesOnA4(int leftMm, int bottomMm, int widthMm, int blockHeightMm);
    void PrintEnvelopesChosenFormat();

protected:
    // For a picker with another action than printing (the bulk e-mail window): the heading of the
    // chosen list, which runs `chosenHeight` pixels down where the hidden layout choices were, and
    // the action button's caption and hint.
    void setOtherAction(const QString& chosenHeading, int chosenHeight, const QString& actionCaption,
                        const QString& actionHint);

    void showEvent(QShowEvent* event) override;

private:
    // The controls, each named by its component name (see nameControls).
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QListWidget* ListBox1; // the candidates
    QListWidget* ListBox2; // the groups
    QListWidget* ListBox3; // the chosen persons
    TShape* Shape1;
    TShape* Shape2;
    TFlatSpeedButton* FlatSpeedButton1; // "X"
    TFlatSpeedButton* FlatSpeedButton2; // ">"
    TFlatSpeedButton* FlatSpeedButton3; // "<"
    TFlatSpeedButton* FlatSpeedButton4; // ">>"
    TFlatSpeedButton* FlatSpeedButton5; // "<<"
    TFlatSpeedButton* FlatSpeedButton6; // "D": print
    TFlatSpeedButton* FlatSpeedButton7; // "Z": save the list
    TFlatSpeedButton* FlatSpeedButton8; // "W": load a list
    TFlatGauge* FlatGauge1;
    TFlatRadioButton* FlatRadioButton1; // person sheets
    TFlatRadioButton* FlatRadioButton3; // envelopes C6 on A4
    TFlatRadioButton* FlatRadioButton4; // envelopes DL on A4
    TFlatRadioButton* FlatRadioButton2; // envelopes of a chosen format

    void report(const QString& text) const;
    void moveSelected(QListWidget* from, QListWidget* to);
    void putAll(QListWidget* into);
    void printEnvelopes(const EnvelopeFormat& format);
    // Starts a job that prints at once: on the default printer or, with none installed, into a PDF
    // file when the user agrees and names one. False when nothing is to be printed; the user has
    // then been told.
    bool startStraightJob(Printer& printer);
    void reportPrintFailure(const Printer& printer) const;

    const ProgramState& m_state;
    adres_nadawcy::TForm13* m_senderAddress;
    const Clock& m_clock;
    QList<PersonListEntry> m_entries;
};

} // namespace drukowanie
