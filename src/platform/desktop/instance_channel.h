#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

// A second start on the same data file asks the running copy to bring its window to the front
// over a local socket in the user's runtime folder, named after the data folder. A plain
// socket rather than Qt Network, whose libraries would be loaded at every start for this alone.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

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
    void close();
    void acceptKnocks();

    int fd_ = -1;
    QByteArray path_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
