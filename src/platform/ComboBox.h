// A drop-down list of the form.
#pragma once

#include "platform/Control.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QStringList>
#include <QStringListModel>
#include <QWheelEvent>

namespace zwervel {

// A drop-down list whose shown entry is picked, not typed. Its entries stay in list order
// (lists/ListOrder.h).
class ComboBox : public Control<QComboBox> {
public:
    explicit ComboBox(QWidget* parent);

    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    // Every entry in list order.
    QStringList Items() const { return m_model->stringList(); }
    // A new entry goes to its sorted place. What the list shows does not change; an empty
    // list keeps showing nothing.
    void AddItem(const QString& item);
    // Several entries at once, as the configuration file brings them: sorted once.
    void AddItems(const QStringList& items);
    void Clear() { clear(); }
    // Keeps only these entries, already in list order; like Clear, the list then shows nothing.
    void KeepItems(const QStringList& items) { replaceAll(items); }
    // The shown text: the entry the user last picked or the program last set; empty if none.
    QString Text() const { return currentText(); }
    // Shows the entry with this text (the exact one first, else one that differs in case only);
    // this is not the user's pick and raises no Click.
    void setText(const QString& text);
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
    void OpenList() { showPopup(); }
    // The field laid over the list: it shows the entry the user moves to in the closed list.
    void setFieldAbove(TextBox& field) { m_fieldAbove = &field; }

protected:
    // Arrow keys, typing and the wheel on the closed list only show another entry; a pick, and
    // so a Click, is a choice in the open list, by mouse or Enter, or Enter on the closed list.
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void picked();
    void replaceAll(const QStringList& items);

    QStringListModel* m_model;
    bool m_browsing = false;
    TextBox* m_fieldAbove = nullptr;
};

} // namespace zwervel
