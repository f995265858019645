#ifndef MMOD_DOM_H
#define MMOD_DOM_H

#include "modal/DampingLaw.h"
#include "modal/MMod_DomUi.h"

#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QPoint>

#include <functional>
#include <memory>
#include <vector>

class QTableWidgetItem;

class MainWindow;
class ModelDocument;
class Modmod;

/// The modal model editor: a model as a table of modes (ratio to the fundamental, damping rate
/// in s⁻¹, weight) kept in step with its parameter document, charted on a staff of octaves,
/// generated from the physics of strings and bars, saved to and loaded from ".par" files, and
/// selected ("Selectionner") as the main window's model for every "synthèse" sound.
///
/// It starts without a document: "Nouveau", "Créer" or a successful "Ouvrir" makes one.
/// Every bank it selects lives as long as the editor, since tones started with an earlier one
/// may still be sounding, unless the editor hands them over (takeBanks) before it goes.
class MMod_Dom : public QDialog
{
    Q_OBJECT

public:
    /// An editor selecting its models for fenetre (not owned; null selects for nobody).
    explicit MMod_Dom(MainWindow *mainWindow, QWidget *parent = nullptr);
    ~MMod_Dom() override;

    /// Asks the user for a file name; empty when cancelled. The arguments are the parent window,
    /// the caption, the starting directory and the filter, as for QFileDialog.
    using FilePrompt =
        std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;
    /// Replace the prompts of "Enregistrer" and "Ouvrir" (QFileDialog by default).
    void setSavePrompt(FilePrompt prompt) { m_savePrompt = std::move(prompt); }
    void setOpenPrompt(FilePrompt prompt) { m_openPrompt = std::move(prompt); }

    /// The model being edited; null before the first "Nouveau", "Créer" or load.
    const ModelDocument *document() const { return m_document.get(); }
    /// The bank of the last "Selectionner"; null before.
    Modmod *modmod() const { return m_modmod; }
    /// Every bank "Selectionner" made, handed over to whoever keeps them alive once this editor
    /// goes (the main window may still play one); the editor keeps none.
    std::vector<std::unique_ptr<Modmod>> takeBanks();

    /// Where the chart lies in this window, as a shift of the ModeChart coordinates: the staff
    /// follows the room kept for it in the creation group, the percussion marker the foot of the
    /// structure's picture.
    QPoint chartOffset() const;
    QPoint markerOffset() const;

private slots:
    void writeDom();
    void updateDom(int ligne, int colonne);
    void loadDom();
    void addRow();
    void newDom();
    void remRow();
    void creerModele();
    void updateEntete();
    void updAmort();
    void changeImageObj(int index);
    void rowSelected(QTableWidgetItem *item);
    void amortAppliquer();
    void modeleAppliquer();
    void setTypeAmort(int etat);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void connectWidgets();
    /// Writes text into a cell, centred; the table's cell change then records it (updateDom).
    void setCell(int row, int column, const QString &text);
    DampingLaw dampingLaw() const;
    /// Makes a row current, whole, and lets "Supprimer" remove it.
    void selectRow(int row);
    void showFileName(const QString &path);
    void showModeCount();
    /// A modal message box; the window waits until it is closed.
    void warn(QMessageBox::Icon icon, const QString &title, const QString &text);
    /// A message box that does not block.
    void inform(const QString &text);

    MMod_DomUi m_ui;
    std::unique_ptr<ModelDocument> m_document;
    QImage m_image;
    Modmod *m_modmod = nullptr;
    std::vector<std::unique_ptr<Modmod>> m_banks;
    MainWindow *m_mainWindow;
    FilePrompt m_savePrompt;
    FilePrompt m_openPrompt;
};

#endif
