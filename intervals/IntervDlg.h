#ifndef INTERVDLG_H
#define INTERVDLG_H

#include "intervals/IntervDlgUi.h"
#include "intervals/Interval.h"
#include "intervals/ListInterv.h"
#include "intervals/ListWalk.h"

#include <QDialog>
#include <QModelIndex>
#include <QPointer>
#include <QTimer>

#include <functional>

class QDomDocument;
class QMessageBox;
class QStandardItem;
class QStandardItemModel;
class QTreeView;

class AudioPlay;
class MainWindow;
class TemperamentChartDlg;

/// The interval list editor: the list as a tree of eight size categories beside its circle, a
/// ruler across the top, the ".int" file, the playback of the checked intervals down the tree and
/// back up, and the justness of an interval transposed by a just one.
///
/// It reads the duration, Frequency 1, the decimal ratio, the waveform, the model and the sample
/// rate of the main window when it plays, and makes a played interval the main window's current
/// one. Closing it (Fermer, the title bar, Escape) asks first when the list was modified, then
/// stops the playback, empties the list and hides the dialog.
///
/// Tunings also come in and go out as Scala files: a ".scl" scale becomes the list, a ".kbm"
/// keyboard mapping sets the main window's Frequency 1, and an export writes both. The
/// temperament chart ("Tableau") shows the fifths, fourths, thirds and sixths of every degree
/// with their beats, and follows the list while it is open.
class IntervDlg : public QDialog
{
    Q_OBJECT

public:
    /// A dialog on an empty list; "Ajouter", "Supprimer", "Jouer Liste" and "Mélodie" disabled.
    /// mainWindow (not owned) must outlive it.
    IntervDlg(MainWindow *mainWindow, QWidget *parent = nullptr);
    ~IntervDlg() override;

    /// Reads the ".int" file at path into the dialog: the file label, title, author, description,
    /// a new list and its tree. False, after its warning, when the file is missing, unreadable or
    /// not an interval list; the list and the fields are then as they were. A wrong "number" is
    /// reported in a non-modal box and the intervals read are kept.
    bool loadDom(const QString &path);

    /// Rebuilds the category tree from the list: eight categories of the current scheme, each
    /// with its intervals, all checked.
    void constrListDeg();

    /// The list position of a tree item; −1 for a category or an invalid index. Enables
    /// "Supprimer".
    int modelIndtoDeg(const QModelIndex &index);

    /// Enables "Mélodie", "Jouer Liste" and "Ajouter" when the list is not empty.
    void setplayEnabled();

    /// Reads the Scala scale at path into the dialog: its description as the title, its comments
    /// as the description, no author, its pitches above the unison as the list. False, after a
    /// box naming the file and the line at fault, with the list and the fields as they were.
    bool importScale(const QString &path);

    /// Reads the keyboard mapping at path and makes the frequency it gives the list's degree 0
    /// the main window's Frequency 1. False, after a box that says why, with Frequency 1 as it
    /// was: a refused file, a reference key the mapping or the list cannot sound, a frequency
    /// outside 10 … 15000 Hz.
    bool importKeyboardMapping(const QString &path);

    /// Writes the list to the scale sclPath (".scl") and, beside it, the keyboard mapping that
    /// plays it from MIDI note 60 at Frequency 1. False, after a box that says which file was not
    /// written and why (an existing one is left as it was).
    bool exportFiles(const QString &sclPath);

    /// The justness of interval p transposed by t cents against the list (see Justesse.h).
    float calcEcartJustesse(int p, float t) const;

    const ListInterv &liste() const { return m_liste; }
    QTreeView *treeView() const { return m_ui.treeView; }
    /// The text of the interval field (cents), as the main window writes it.
    void setIntervalText(const QString &text);

    /// Asks the user for a file name; empty when cancelled. The arguments are the parent window,
    /// the caption, the starting directory and the filter, as for QFileDialog.
    using FilePrompt = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;
    void setSavePrompt(FilePrompt prompt) { m_savePrompt = std::move(prompt); }
    void setOpenPrompt(FilePrompt prompt) { m_openPrompt = std::move(prompt); }

    /// Closing asks first when the list was modified; a cancelled question keeps it open.
    void done(int r) override;

public slots:
    bool createDom(QDomDocument *doc);
    void updateHead(QDomDocument *doc);
    void intervToDom(const Interval &interval, QDomDocument *doc);
    void loadFile();
    void setBornes();
    void reloadModel();
    /// True when the list was written.
    bool choixFichInterv();
    /// True when the file was written; otherwise the "Erreur" box has said why.
    bool writeToXMLFile(const QString &path);
    void newInterv();
    void addInterv(Interval *interval);
    void fermer();
    void removeInterv();
    void remInterv(int p);
    void editInterv(QStandardItem *item);
    void newlist();
    void clignotLabel4();
    void jouerListe();
    void sonSuivant();
    void choixInterv(const QModelIndex &index);
    void sonStop();
    int message(const QString &str);
    void updCheckState(QStandardItem *item);
    void playPhraseDlg();
    void expAll(int state);
    void traitEcartJustesse();
    /// "Importer…": a ".kbm" file goes to importKeyboardMapping(), any other to importScale().
    void importScala();
    /// "Exporter…": asks for the scale's name (".scl" added when missing), then exportFiles().
    void exportScala();
    /// "Tableau": opens the temperament chart of the list, or brings it up to date and forward.
    void showChart();
    void refreshChart();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    /// Two vertical marks at abscissa x, below and above the ruler's bar, in the painter's pen.
    void fleche(int x, QPainter *painter);
    void drawRuler(QPainter &p);
    /// Asks whether to close a modified list; false when the dialog must stay.
    bool confirmClose();
    /// The tree index of a row of the walk (see ListWalk::treeRows).
    QModelIndex indexOfRow(int row) const;
    /// The step of the playback, ms: the main window's duration rounded, halves up.
    int stepMs() const;
    /// Stops the playback: the step timer, the pending stop and the tone.
    void stopPlayback();
    /// Stops and forgets the tone, if any.
    void releaseTone();
    /// Starts a tone of f Hz; false, with the playback stopped and a message, when it cannot.
    bool startTone(float f);
    void currentChanged(const QModelIndex &current);
    int warn(const QString &title, const QString &text);
    /// Replaces the list and the header fields, as a file read does.
    void replaceList(const QString &title, const QString &author, const QString &description,
                     const QList<Interval> &intervals);
    void showFileName(const QString &path);

    MainWindow *m_main;
    IntervDlgUi m_ui;
    ListInterv m_liste;
    QStandardItemModel *m_modele = nullptr;
    int m_bornes[ListInterv::kNbCategories];
    bool m_modifie = false;
    QTimer m_timerClignot;
    QTimer m_timerSon;
    /// The stop of the last tone, one second after the playback came back to the top.
    QTimer m_timerArret;
    AudioPlay *m_son = nullptr;
    /// The playback's row in the tree and its direction.
    ListWalk m_walk{{}, -1};
    QMessageBox *m_msgBox = nullptr;
    /// True while a category passes its state to its children.
    bool m_cascading = false;
    FilePrompt m_savePrompt;
    FilePrompt m_openPrompt;
    QPointer<TemperamentChartDlg> m_chart;
};

#endif
