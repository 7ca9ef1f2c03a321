// The entries of a drop-down list as Qt's list views read them, kept compactly: each entry is
// a view into something the model holds on to, such as the configuration file's bytes as they
// were read (Latin-1 or UTF-8) or its decoded text, or an entry's own text when it was added
// later. Tens of thousands of entries then cost one small record each, not an object and an
// allocation apiece, and a file of Latin-1 or UTF-8 needs no second copy in UTF-16.
#pragma once

#include "platform/TekstDeel.h"

#include <QAbstractListModel>
#include <QAnyStringView>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace zwervel {

class LijstModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Every entry in list order; a view stays valid until the entries change.
    const QList<QAnyStringView>& items() const { return m_items; }
    // All entries at once: views into `teksten` and `bytes`, which the model keeps from now on.
    void vervang(QList<QAnyStringView> items, QStringList teksten, QList<QByteArray> bytes);
    const QStringList& teksten() const { return m_teksten; }
    const QList<QByteArray>& bytes() const { return m_bytes; }
    // Removes every entry `weg` picks; the others keep their order.
    void verwijder(const std::function<bool(QAnyStringView)>& weg);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool geldig(const QModelIndex& index) const;
    void vergeetBronnen();

    QList<QAnyStringView> m_items;
    QStringList m_teksten;
    QList<QByteArray> m_bytes;
};

} // namespace zwervel
