#ifndef MODELDOCUMENT_H
#define MODELDOCUMENT_H

#include "modal/DampingLaw.h"
#include "modal/Mode.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>
#include <QString>
#include <QVector>

class Modmod;

/// The model parameter document the model editor edits, and its ".par" file:
///
///     <?xml version="1.0" encoding="UTF-8"?>
///     <?xml-stylesheet href="synthmod.xsl" type="text/xsl"?>
///     <modele>
///       <entete titre="…" auteur="…"><desc>…</desc></entete>
///       <modes nbmod="N"><partiel freq="…" amort="…" poids="…"/> … </modes>
///       <amort coeff0="…" coeff1="…" coeff2="…"/>        (optional)
///     </modele>
///
/// `freq` is the ratio to the fundamental (> 0), `amort` the damping rate in s⁻¹ (≥ 0), `poids`
/// the weight; they are written as single-precision floats with 6 significant digits. The
/// coefficients of `amort` and the header texts are kept as typed.
///
/// Two live lists reach into the document: the children of `modele` (0 `entete`, 1 `modes`,
/// 2 the optional `amort`) and those of `modes` (the `partiel` elements).
class ModelDocument
{
public:
    /// Columns of the editor's table, and the attribute each one sets.
    enum Column { Frequency = 0, Damping = 1, Weight = 2 };

    /// Why a file was not loaded.
    enum LoadResult {
        Loaded,    ///< the document now holds the file
        NotOpened, ///< the file could not be opened for reading
        NotParsed, ///< not XML (or nested deeper than XmlDepth::kMaxDepth), or not a model: no
                   ///< `modele` with `entete` and `modes` first, or a `nbmod` outside 0 … kMaxModes
    };

    /// The largest `nbmod` a file may declare: a table of more rows would not be a model.
    static constexpr int kMaxModes = 100000;

    /// The empty model: no title, author, description or modes.
    ModelDocument();
    ModelDocument(const ModelDocument &) = delete;
    ModelDocument &operator=(const ModelDocument &) = delete;

    /// The `nbmod` attribute; 0 when missing or not a number.
    int nbmod() const;
    /// The `partiel` elements, whatever nbmod says.
    int partielCount() const { return m_partiels.length(); }
    /// Partiel i; a null element outside 0 … partielCount() − 1.
    QDomElement partiel(int i) const;

    /// Mode i as the bank gets it: each missing or unreadable attribute, and every attribute of a
    /// missing partiel, gives 0.
    Mode mode(int i) const;

    /// Records the text of cell (row, column) of the editor's table. A row at or beyond nbmod
    /// first gets its partiel: nbmod grows to row + 1 and empty partiel elements are appended
    /// up to that row, so the value always lands in the row's own element. Then the text is
    /// converted: a frequency must be a finite number > 0, a damping rate a finite number ≥ 0, a
    /// weight any finite number. An accepted value is stored (general format, 6 digits) and true
    /// returned; a refused one leaves the attribute as it was and returns false: the editor then
    /// writes replacement(column) into the cell. A column outside 0 … 2, or a negative row,
    /// changes nothing and returns true.
    bool setValue(int row, int column, const QString &text);

    /// What replaces a refused cell: "1" for a frequency or a weight, "0" for a damping rate.
    static QString replacement(int column);

    /// Removes mode row, as the editor removes its table row: nbmod drops by one when the row
    /// was one of its modes, and the row's partiel, if any, goes.
    void removeMode(int row);

    /// The header: its `titre` and `auteur` attributes, and a new `desc` element holding the
    /// description, which replaces the old one.
    void setHeader(const QString &title, const QString &author, const QString &description);
    QString title() const;
    QString author() const;
    /// The text of the first child element of `entete`.
    QString description() const;

    /// Brings the optional `amort` element in line with the editor's "Coeff. Amort" box: when
    /// present is true, sets (or creates right after `modes`) its three coefficients, texts as
    /// typed; otherwise removes every `amort` element.
    void setCoefficients(bool present, const QString &coeff0, const QString &coeff1,
                         const QString &coeff2);
    /// True when child 2 of `modele` is an `amort` element; its three coefficients then go to
    /// coeff0 … coeff2.
    bool coefficients(QString *coeff0, QString *coeff1, QString *coeff2) const;

    /// The bytes save() writes: the document indented by 2 spaces, in UTF-8. The first call
    /// inserts the `xml` declaration and the `xml-stylesheet` instruction in front; later calls
    /// find them.
    QByteArray serialise();

    /// Writes serialise() to path. The file is replaced only once everything was written: on
    /// failure (false) an existing file is left as it was.
    bool save(const QString &path);

    /// Reads path into the document (see parse); NotOpened when it cannot be read.
    /// On failure the document is left as it was.
    LoadResult load(const QString &path);

    /// Reads a model from the bytes of a file. Comments and stray text inside `modele` and
    /// `modes`, and elements of `modes` other than `partiel`, are dropped, so that the indexes
    /// count modes. On failure (NotParsed) the document is left as it was.
    LoadResult parse(const QByteArray &xml);

    /// A modal bank of nbmod modes from the partiel elements (missing ones give modes of 0).
    /// With a law, the bank's damping follows it at synthesis (typeAmort 1, the law's
    /// coefficients). The caller owns the bank.
    Modmod *createModmod(const DampingLaw *law) const;

    const QDomDocument &dom() const { return m_dom; }

private:
    void attach();
    QDomElement model() const;
    QDomElement entete() const;
    QDomElement modes() const;

    QDomDocument m_dom;
    QDomNodeList m_children; ///< children of `modele`
    QDomNodeList m_partiels; ///< children of `modes`
};

#endif
