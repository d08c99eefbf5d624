#pragma once

#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <vector>

// Decides which files an open dialog lists, the way the filter patterns match on the data
// file's home platform: without regard to case, a trailing ".*" also matching names with no
// dot at all (so "*.*" lists everything), and "*.exe" also listing the programs of this system
// (executable ELF or script files), which carry no extension. Folders are always listed.
class OpenDialogFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit OpenDialogFilter(QObject* parent = nullptr);

    void setPatterns(const QStringList& patterns);
    bool matchesName(const QString& name) const;

    // The source lists every file, greying out those its own patterns miss; what is listed
    // here can be chosen.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::vector<QRegularExpression> names_;
    bool programs_ = false;
};
