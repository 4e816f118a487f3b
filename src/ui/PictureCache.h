#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

namespace vantorel {

// The program's drawn pictures, painted once and kept in a file, so that a
// start after the first paints none of them: painting the toolbars'
// pictures cost more than building the main window.
//
// A picture is found by its name, its size in pixels and its scale. The file
// belongs to one build of the program (its version and the program file
// itself), so a picture drawn differently by another build is painted anew.
// A file that is missing, damaged or written by another build is ignored
// and written again; a file that cannot be written leaves the pictures
// painted each time, as they were before. Without a file (the tests, the
// command line) nothing touches the disk.
class PictureCache : public QObject {
    Q_OBJECT
public:
    PictureCache() = default;
    // `file` holds the pictures of the build `build`.
    PictureCache(QString file, QString build);
    void SetFile(QString file, QString build);

    // The program's own cache, without a file until main gives it one.
    static PictureCache& Program();
    // Where the program keeps its pictures: the user's cache folder.
    static QString DefaultFile();
    // The version of the program and the size and time of its file.
    static QString ThisBuild();

    // The picture from the file, else painted now and written to the file
    // soon after (once the events already posted have run).
    QImage Get(const QString& name, QSize pixels, qreal scale,
               const std::function<QImage()>& paint);

    // Writes every picture known, when some were painted since the file
    // was read or written. False when the file could not be written.
    bool Save();

    // How many pictures were painted since the file was set (the others
    // came from it).
    int Painted() const { return painted_; }

private:
    void Load();

    QString file_;
    QString build_;
    bool loaded_ = false;
    bool dirty_ = false;
    bool saveAsked_ = false;
    int painted_ = 0;
    QHash<QString, QImage> pictures_;
};

}  // namespace vantorel
