#pragma once

#include <QByteArrayList>
#include <QMenu>

namespace dorva {

// "Recent Files(&R)": the files opened last, newest first, each shown by its file name with the
// full path as its tooltip, and "Clear" at the end. Paths are the file system's bytes.
class RecentFilesMenu : public QMenu {
    Q_OBJECT
public:
    explicit RecentFilesMenu(QWidget* parent = nullptr);

    const QByteArrayList& files() const { return files_; }
    void setFiles(const QByteArrayList& files);
    // Puts the file in front.
    void add(const QByteArray& path);
    void remove(const QByteArray& path);

signals:
    void fileChosen(const QByteArray& path);

private:
    void rebuild();

    QByteArrayList files_;
};

} // namespace dorva
