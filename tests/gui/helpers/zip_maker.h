#pragma once
// Writes small zip archives for the update tests.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace qor::gui::test {

// Entries in order: name and content.
QByteArray MakeZip(const QList<QPair<QString, QByteArray>>& entries);

}  // namespace qor::gui::test
