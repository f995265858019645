#include "modal/ModelDocument.h"

#include "app/XmlDepth.h"

#include "synth/Modmod.h"

#include <QDomProcessingInstruction>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

const char *const kTemplate = "<modele><entete><desc></desc></entete><modes ></modes></modele>";

const QString kModele = QStringLiteral("modele");
const QString kEntete = QStringLiteral("entete");
const QString kModes = QStringLiteral("modes");
const QString kPartiel = QStringLiteral("partiel");
const QString kAmort = QStringLiteral("amort");
const QString kNbmod = QStringLiteral("nbmod");

const QString kDeclaration = QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"");

const QString kModeAttributes[3] = {QStringLiteral("freq"), QStringLiteral("amort"), QStringLiteral("poids")};
const QString kCoefficientAttributes[3] = {QStringLiteral("coeff0"), QStringLiteral("coeff1"), QStringLiteral("coeff2")};

QString number(float v)
{
    return QString::number(double(v), 'g', 6);
}

bool accepted(int column, bool converted, float v)
{
    if (!converted || !std::isfinite(v))
        return false;
    switch (column) {
    case ModelDocument::Frequency:
        return v > 0.0f;
    case ModelDocument::Damping:
        return v >= 0.0f;
    default:
        return true;
    }
}

/// Keeps only the children that can be read by their index: elements in `modele`, `partiel`
/// elements in `modes` (comments and stray text would shift the indexes).
void keepElements(QDomElement parent, const QString &only = QString())
{
    QDomNode n = parent.firstChild();
    while (!n.isNull()) {
        const QDomNode next = n.nextSibling();
        if (!n.isElement() || (!only.isEmpty() && n.nodeName() != only))
            parent.removeChild(n);
        n = next;
    }
}

} // namespace

ModelDocument::ModelDocument()
{
    m_dom.setContent(QString::fromLatin1(kTemplate));
    attach();
}

void ModelDocument::attach()
{
    m_children = model().childNodes();
    m_partiels = m_children.item(1).childNodes();
}

QDomElement ModelDocument::model() const
{
    return m_dom.firstChildElement(kModele);
}

QDomElement ModelDocument::entete() const
{
    return m_children.item(0).toElement();
}

QDomElement ModelDocument::modes() const
{
    return m_children.item(1).toElement();
}

int ModelDocument::nbmod() const
{
    return modes().attribute(kNbmod).toInt();
}

QDomElement ModelDocument::partiel(int i) const
{
    if (i < 0 || i >= m_partiels.length())
        return QDomElement();
    return m_partiels.item(i).toElement();
}

Mode ModelDocument::mode(int i) const
{
    const QDomElement p = partiel(i);
    Mode m;
    m.freq = p.attribute(kModeAttributes[Frequency]).toFloat();
    m.amort = p.attribute(kModeAttributes[Damping]).toFloat();
    m.poids = p.attribute(kModeAttributes[Weight]).toFloat();
    return m;
}

bool ModelDocument::setValue(int row, int column, const QString &text)
{
    if (row < 0 || column < Frequency || column > Weight)
        return true;
    bool converted = false;
    const float v = text.toFloat(&converted);

    QDomElement m = modes();
    if (row >= nbmod())
        m.setAttribute(kNbmod, row + 1);
    while (m_partiels.length() <= row)
        m.appendChild(m_dom.createElement(kPartiel));

    if (!accepted(column, converted, v))
        return false;
    partiel(row).setAttribute(kModeAttributes[column], number(v));
    return true;
}

QString ModelDocument::replacement(int column)
{
    return column == Damping ? QStringLiteral("0") : QStringLiteral("1");
}

void ModelDocument::removeMode(int row)
{
    if (row < 0)
        return;
    const int n = nbmod();
    if (row < n)
        modes().setAttribute(kNbmod, n - 1);
    const QDomElement p = partiel(row);
    if (!p.isNull())
        modes().removeChild(p);
}

void ModelDocument::setHeader(const QString &title, const QString &author, const QString &description)
{
    QDomElement e = entete();
    e.setAttribute(QStringLiteral("titre"), title);
    e.setAttribute(QStringLiteral("auteur"), author);
    QDomElement desc = m_dom.createElement(QStringLiteral("desc"));
    desc.appendChild(m_dom.createTextNode(description));
    const QDomElement old = e.firstChildElement();
    if (old.isNull())
        e.appendChild(desc);
    else
        e.replaceChild(desc, old);
}

QString ModelDocument::title() const
{
    return entete().attribute(QStringLiteral("titre"));
}

QString ModelDocument::author() const
{
    return entete().attribute(QStringLiteral("auteur"));
}

QString ModelDocument::description() const
{
    return entete().firstChildElement().text();
}

void ModelDocument::setCoefficients(bool present, const QString &coeff0, const QString &coeff1,
                                    const QString &coeff2)
{
    QDomElement root = model();
    if (present) {
        QDomElement amort = root.firstChildElement(kAmort);
        if (amort.isNull()) {
            amort = m_dom.createElement(kAmort);
            root.insertAfter(amort, modes());
        }
        amort.setAttribute(kCoefficientAttributes[0], coeff0);
        amort.setAttribute(kCoefficientAttributes[1], coeff1);
        amort.setAttribute(kCoefficientAttributes[2], coeff2);
        return;
    }
    const QDomNodeList elements = m_dom.elementsByTagName(kAmort);
    while (elements.length() > 0) {
        QDomNode e = elements.item(0);
        e.parentNode().removeChild(e);
    }
}

bool ModelDocument::coefficients(QString *coeff0, QString *coeff1, QString *coeff2) const
{
    if (m_children.length() <= 2)
        return false;
    const QDomElement amort = m_children.item(2).toElement();
    if (amort.isNull() || amort.tagName() != kAmort)
        return false;
    *coeff0 = amort.attribute(kCoefficientAttributes[0]);
    *coeff1 = amort.attribute(kCoefficientAttributes[1]);
    *coeff2 = amort.attribute(kCoefficientAttributes[2]);
    return true;
}

QByteArray ModelDocument::serialise()
{
    const QDomNode first = m_dom.firstChild();
    if (!first.isProcessingInstruction()) {
        const QDomProcessingInstruction declaration =
            m_dom.createProcessingInstruction(QStringLiteral("xml"), kDeclaration);
        m_dom.insertBefore(declaration, first);
        m_dom.insertAfter(m_dom.createProcessingInstruction(QStringLiteral("xml-stylesheet"),
                                                            QStringLiteral("href=\"synthmod.xsl\" type=\"text/xsl\"")),
                          declaration);
    }
    QByteArray bytes;
    QTextStream stream(&bytes);
    stream.setCodec("UTF-8");
    // UTF-8 whatever the declaration says: load() made it say so.
    m_dom.save(stream, 2, QDomNode::EncodingFromTextStream);
    stream.flush();
    return bytes;
}

bool ModelDocument::save(const QString &path)
{
    QSaveFile file(path);
    // Unbuffered: QSaveFile::commit() does not see a buffer it fails to flush (a full disk), and
    // would put the cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = serialise();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

ModelDocument::LoadResult ModelDocument::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return NotOpened;
    const QByteArray xml = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return NotOpened;
    file.close();
    return parse(xml);
}

ModelDocument::LoadResult ModelDocument::parse(const QByteArray &xml)
{
    QDomDocument read;
    // Too deep for Qt's parser, which would overflow the stack.
    if (!XmlDepth::within(xml) || !read.setContent(xml))
        return NotParsed;

    QDomElement root = read.firstChildElement(kModele);
    if (root.isNull())
        return NotParsed;
    keepElements(root);
    const QDomElement first = root.firstChildElement();
    const QDomElement second = first.nextSiblingElement();
    if (first.tagName() != kEntete || second.tagName() != kModes)
        return NotParsed;
    keepElements(second, kPartiel);
    const int n = second.attribute(kNbmod).toInt();
    if (n < 0 || n > kMaxModes)
        return NotParsed;

    // The model is saved in UTF-8, so its declaration says UTF-8 whatever the file it came from
    // said: a file declared ISO-8859-1 or CP949 was otherwise saved in that encoding, each
    // character it lacks (the ⁻¹ of a description) becoming a '?'. The parser also hands a UTF-8
    // declaration back as version='1.0' encoding='UTF-8': a model saved again is written as read.
    QDomProcessingInstruction declaration = read.firstChild().toProcessingInstruction();
    if (declaration.target() == QLatin1String("xml"))
        declaration.setData(kDeclaration);

    m_dom = read;
    attach();
    return Loaded;
}

Modmod *ModelDocument::createModmod(const DampingLaw *law) const
{
    const int n = std::max(0, nbmod());
    float *freq = new float[n];
    float *amort = new float[n];
    float *poids = new float[n];
    for (int i = 0; i < n; ++i) {
        const Mode m = mode(i);
        freq[i] = m.freq;
        amort[i] = m.amort;
        poids[i] = m.poids;
    }
    auto *bank = new Modmod(n, freq, amort, poids);
    if (law) {
        bank->typeAmort = 1;
        bank->coeffs << law->coefficients();
    }
    return bank;
}
