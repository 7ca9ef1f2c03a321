#include "platform/ComboBox.h"

#include "lists/ListOrder.h"
#include "platform/WindowStyle.h"

#include <QListView>
#include <QScopedValueRollback>

namespace zwervel {

ComboBox::ComboBox(QWidget* parent)
    : Control<QComboBox>(parent), m_model(new QStringListModel(this))
{
    m_clickOnRelease = false;
    setEditable(false);
    setModel(m_model);
    auto* style = new WindowStyle;
    style->setParent(this);
    setStyle(style);
    // Sizing to the entries would measure every one of them.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Every entry is one line of text in the same font: the open list need not measure each.
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
    connect(this, &QComboBox::activated, this, [this] { picked(); });
}

void ComboBox::picked()
{
    if (!m_browsing) {
        emit events.Click();
    } else if (m_fieldAbove) {
        m_fieldAbove->setText(currentText());
    }
}

void ComboBox::keyPressEvent(QKeyEvent* event)
{
    // Enter on the closed list picks the entry it shows, as Enter in the open list does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentIndex() >= 0) {
        event->accept();
        picked();
        return;
    }
    const QScopedValueRollback browsing(m_browsing, true);
    Control<QComboBox>::keyPressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    const QScopedValueRollback browsing(m_browsing, true);
    Control<QComboBox>::wheelEvent(event);
}

void ComboBox::AddItem(const QString& item)
{
    const bool nothingShown = currentIndex() < 0;
    insertItem(int(insertPosition(Items(), item)), item);
    // Qt shows the first entry of a list that was empty; the list's own rule shows nothing
    // until the user or the program picks one.
    if (nothingShown)
        setCurrentIndex(-1);
}

void ComboBox::AddItems(const QStringList& items)
{
    if (items.isEmpty())
        return;
    const bool nothingShown = currentIndex() < 0;
    const QString shown = currentText();
    QStringList all = Items() + items;
    sortEntries(all);
    replaceAll(all);
    if (!nothingShown)
        setText(shown);
}

void ComboBox::replaceAll(const QStringList& items)
{
    m_model->setStringList(items);
    setCurrentIndex(-1);
}

void ComboBox::setText(const QString& text)
{
    // The entries are in list order, so the exact entry stands just before where it would go.
    const qsizetype position = insertPosition(Items(), text) - 1;
    int index = position >= 0 && List(int(position)) == text ? int(position) : -1;
    if (index < 0)
        index = findText(text, Qt::MatchFixedString);
    setCurrentIndex(index);
}

} // namespace zwervel
