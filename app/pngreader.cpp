// Built as a plugin linked into the program, registered by usePngReader().
#define QT_STATICPLUGIN

#include "app/pngreader.h"

#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QImageReader>
#include <QtPlugin>

// Defined by the meta-object code included at the end.
extern const QStaticPlugin qt_static_plugin_PngReaderPlugin();

namespace dorva {

namespace {

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

// Set while Qt's own PNG reader is asked for, so that Qt does not come back to this plugin.
thread_local bool inOwnReader = false;

// Hands the device to Qt's built-in PNG reader, named directly so that no plugin is asked.
class PngHandler : public QImageIOHandler {
public:
    bool canRead() const override { return device() && device()->peek(8) == kPngSignature; }

    bool read(QImage* image) override {
        inOwnReader = true;
        QImageReader reader(device(), "png");
        reader.setAutoDetectImageFormat(false);
        const bool read = reader.read(image);
        inOwnReader = false;
        return read;
    }
};

} // namespace

class PngReaderPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "pngreader.json")

public:
    // Only files that are PNG files; anything else goes on to Qt's usual search.
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override {
        if (inOwnReader || format != "png" || !device || !device->isReadable() ||
            device->peek(8) != kPngSignature)
            return {};
        return CanRead;
    }

    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override {
        auto* handler = new PngHandler;
        handler->setDevice(device);
        handler->setFormat(format);
        return handler;
    }
};

void usePngReader() {
    static const bool registered = [] {
        qRegisterStaticPluginFunction(::qt_static_plugin_PngReaderPlugin());
        return true;
    }();
    (void)registered;
}

} // namespace dorva

#include "pngreader.moc"
