#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// A second start on the same data file asks the running copy to bring its window to the front
// over a local socket in the user's runtime folder, named after the data folder.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(QObject* parent = nullptr);

    // The socket's path for the data folder.
    static QString pathFor(const QString& dataFolder);
    // Tells the running copy; works without a Qt application object. False when no one
    // listens (yet) at path.
    static bool knock(const QString& path);

    // Only the holder of the instance lock may listen: it removes what a killed copy left.
    bool listen(const QString& path);

signals:
    void knocked();

private:
    QLocalServer server_;
};
