#include "platform/ComboBox.h"

#include "lists/ListOrder.h"
#include "platform/WindowStyle.h"

#include <QListView>
#include <QScopedValueRollback>

namespace zwervel {

ComboBox::ComboBox(QWidget* parent)
    : Besturing<QComboBox>(parent), m_model(new QStringListModel(this))
{
    m_muisKlikIsClick = false;
    setEditable(false);
    setModel(m_model);
    auto* stijl = new VensterStijl;
    stijl->setParent(this);
    setStyle(stijl);
    // Sizing to the entries would measure every one of them.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Every entry is one line of text in the same font: the open list need not measure each.
    if (auto* lijst = qobject_cast<QListView*>(view()))
        lijst->setUniformItemSizes(true);
    connect(this, &QComboBox::activated, this, [this] { gekozen(); });
}

void ComboBox::gekozen()
{
    if (!m_bladeren) {
        emit gebeurtenissen.Click();
    } else if (m_veldErboven) {
        m_veldErboven->setText(currentText());
    }
}

void ComboBox::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback bladeren(m_bladeren, true);
    Besturing<QComboBox>::keyPressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    const QScopedValueRollback bladeren(m_bladeren, true);
    Besturing<QComboBox>::wheelEvent(event);
}

void ComboBox::AddItem(const QString& item)
{
    const bool nietsGetoond = currentIndex() < 0;
    insertItem(int(lijstPlek(Items(), item)), item);
    // Qt shows the first entry of a list that was empty; the list's own rule shows nothing
    // until the user or the program picks one.
    if (nietsGetoond)
        setCurrentIndex(-1);
}

void ComboBox::AddItems(const QStringList& items)
{
    if (items.isEmpty())
        return;
    const bool nietsGetoond = currentIndex() < 0;
    const QString getoond = currentText();
    QStringList alle = Items() + items;
    sorteerLijst(alle);
    vervang(alle);
    if (!nietsGetoond)
        setText(getoond);
}

void ComboBox::RemoveItems(const std::function<bool(QStringView)>& weg)
{
    QStringList blijven = Items();
    blijven.removeIf([&weg](const QString& item) { return weg(item); });
    vervang(blijven);
}

void ComboBox::vervang(const QStringList& items)
{
    m_model->setStringList(items);
    setCurrentIndex(-1);
}

void ComboBox::setText(const QString& tekst)
{
    // The entries are in list order, so the exact entry stands just before where it would go.
    const qsizetype plek = lijstPlek(Items(), tekst) - 1;
    int index = plek >= 0 && List(int(plek)) == tekst ? int(plek) : -1;
    if (index < 0)
        index = findText(tekst, Qt::MatchFixedString);
    setCurrentIndex(index);
}

} // namespace zwervel
