// The benchmarks that run inside the driver, on Zwervel's real window shown offscreen:
// RouteGestript on long routes, storms of mouse moves over the controls, adding a place to a
// long list and opening a long list, each next to a baseline measured in the same run.
#pragma once

#include "Table.h"

#include <QStringList>

namespace zwervel::bench {

class WindowBenchmarks {
public:
    // `places`: the 32,767 distinct places of a full list, in list order.
    explicit WindowBenchmarks(QStringList places) : m_places(std::move(places)) {}

    void run(Table& table) const;

private:
    QStringList m_places;
};

} // namespace zwervel::bench
