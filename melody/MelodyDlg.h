#ifndef MELODYDLG_H
#define MELODYDLG_H

#include "intervals/Interval.h"
#include "intervals/ListInterv.h"
#include "melody/MelodyDlgUi.h"
#include "melody/MelodyRules.h"
#include "melody/NoteRow.h"
#include "melody/Point.h"

#include <QDialog>
#include <QList>
#include <QVector>

#include <functional>
#include <memory>

class MainWindow;
class Modmod;
class QDomDocument;
class QSpinBox;
class QTableWidgetItem;

/// The melody editor: a short melody on the degrees of an interval list (date, degree, octave,
/// duration and amplitude per note, one envelope for every note), drawn as a score, rendered to
/// 16-bit samples and saved as a WAV file, and kept in ".mel" files.
///
/// The notes table is the only store of the notes; the envelope table that of the envelope,
/// which updPointEnv() turns into points before a render or a save.
class MelodyDlg : public QDialog
{
    Q_OBJECT

public:
    /// Asks the user for a file name; empty when cancelled. The arguments are the parent window,
    /// the caption, the starting directory and the filter, as for QFileDialog.
    using FilePrompt = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    /// main gives the current modal model (and the interval list dialog's list while one is
    /// open); liste is the list whose degrees the editor starts with. main is not owned.
    MelodyDlg(MainWindow *main, const ListInterv &liste, QWidget *parent = nullptr);
    ~MelodyDlg() override;

    /// Replace the prompts of "Ouvrir" and of the two saves (QFileDialog by default).
    void setOpenPrompt(FilePrompt prompt) { m_openPrompt = std::move(prompt); }
    void setSavePrompt(FilePrompt prompt) { m_savePrompt = std::move(prompt); }

    int nbDeg() const { return degres.size(); }

    // The notes by row: the text cells as floats (0 when empty or not a number), the spin boxes.
    float date(int row) const;
    float dur(int row) const;
    float ampl(int row) const;
    int deg(int row) const;
    int oct(int row) const;

    float envTime(int i) const { return enveloppe.at(i)->time; }
    float envAmpl(int i) const { return enveloppe.at(i)->ampl; }

    /// Whether s is acceptable as a value of kind t with the current degrees.
    bool validParam(QString s, paramType t) const;

    /// Sorts the notes by date and checks them, telling the user about the first faulty one;
    /// false also, silently, without notes or when a checked note has no amplitude.
    bool updateScore();

    /// Loads a melody file into the tables; a missing, unreadable or malformed file is reported
    /// and leaves everything as it was.
    void loadDom(QString name);
    /// Writes the melody to the file name, replacing it only when the notes are valid and
    /// everything could be written.
    void writeDom(QString &name);
    /// The melody as a document; false, with doc untouched, when the notes fail updateScore().
    bool createDom(QDomDocument *doc);

    /// Writes the samples of the note of row into buf, which holds nearest(dur(row) × c) floats,
    /// c the samples per beat of the current tempo and sample rate.
    void synthNote(int row, float *buf);

    QList<Interval> degres;    ///< the interval list's degrees, copied by init()
    QList<Point *> enveloppe;  ///< owned; rebuilt by updPointEnv()
    float tempo = 60;          ///< beats per minute, read at each synthesis
    float freqRef = 440;       ///< Hz: 0 cents in octave 0
    int fEch = 44100;          ///< Hz
    int forme = 0;             ///< WaveShape::Code
    Modmod *modele = nullptr;  ///< the main window's model, not owned
    float duree = 0;           ///< beats
    std::unique_ptr<qint16[]> tampon; ///< the last render
    int nbEchMix = 0;          ///< samples of tampon that "Enregistrer" writes

public slots:
    void init();
    void freqEch();
    void newScore();
    void addNote();
    void remNote();
    void noteSelected(QTableWidgetItem *item);
    void updDegre(int row);
    void updOct(int row);
    void updTabl(QTableWidgetItem *item);
    void setDuration();
    void newEnv();
    void addPoint();
    void remPoint();
    void rowSelected();
    void updateEnv(QTableWidgetItem *item);
    void updPointEnv();
    void beginDate(int v);
    void beginInterv(int v);
    void scaleUpdate(const int &k);
    /// "Ouvrir": asks for a melody file and loads it.
    void open() override;
    void saveMelody();
    void synthNotes();
    void saveWave();

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void warn(const QString &title, const QString &text);
    void connectWidgets();
    QSpinBox *spinAt(int row, int column) const;
    /// The row whose cell of column holds widget; −1 when none does.
    int rowOf(const QWidget *widget, int column) const;
    QSpinBox *newDegreeSpin(bool named);
    QSpinBox *newOctaveSpin(bool named, int value);
    /// Suffix ": (cents)" and tooltip of degree d, white base.
    void showDegree(QSpinBox *spin, int d);
    QVector<NoteRow> noteRows() const;
    /// The score follows duree, the rows and the degrees, and repaints.
    void refreshScore();
    /// The score widget's size: its width from duree and the zoom, its height from hauteur.
    void resizeScore();
    /// Least column widths that hold their texts in the current font; the window follows.
    void fitToTexts();
    QString cellText(int row, int column) const;

    MelodyDlgUi m_ui;
    MainWindow *m_main;
    ListInterv m_liste; ///< the latest list seen, title included
    FilePrompt m_openPrompt;
    FilePrompt m_savePrompt;
};

#endif
