#include "app/screenshots/shots.h"

#include "app/mainwindow.h"
#include "app/uifont.h"
#include "controls/dialogs.h"
#include "formats/codec.h"
#include "pages/actorpage.h"
#include "pages/kitpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

// A desert sniper with a Japanese name, every variant and attachment filled.
const char* const kSampleActor = "<ActorFile>\r\n"
                                 "\t<VersionNumber>1.00</VersionNumber>\r\n"
                                 "\t<ArmorLevel>2</ArmorLevel>\r\n"
                                 "\t<ActorName>狙撃兵 タナカ</ActorName>\r\n"
                                 "\t<ClassName>sniper</ClassName>\r\n"
                                 "\t<ModelFace>tanaka_face.rsb</ModelFace>\r\n"
                                 "\t<BlinkFaceName>tanaka_blink.rsb</BlinkFaceName>\r\n"
                                 "\t<DesertModelFace>tanaka_dface.rsb</DesertModelFace>\r\n"
                                 "\t<DesertBlinkFace>tanaka_dblink.rsb</DesertBlinkFace>\r\n"
                                 "\t<JungleModelFace>tanaka_jface.rsb</JungleModelFace>\r\n"
                                 "\t<JungleBlinkFace>tanaka_jblink.rsb</JungleBlinkFace>\r\n"
                                 "\t<KitPath>sniper</KitPath>\r\n"
                                 "\t<ModelName>sniper_lod1.chr</ModelName>\r\n"
                                 "\t<LOD2>sniper_lod2.chr</LOD2>\r\n"
                                 "\t<LOD3>sniper_lod3.chr</LOD3>\r\n"
                                 "\t<LOD4>sniper_lod4.chr</LOD4>\r\n"
                                 "\t<DesertLOD1>dsniper_lod1.chr</DesertLOD1>\r\n"
                                 "\t<DesertLOD2>dsniper_lod2.chr</DesertLOD2>\r\n"
                                 "\t<DesertLOD3>dsniper_lod3.chr</DesertLOD3>\r\n"
                                 "\t<DesertLOD4>dsniper_lod4.chr</DesertLOD4>\r\n"
                                 "\t<JungleLOD1>jsniper_lod1.chr</JungleLOD1>\r\n"
                                 "\t<JungleLOD2>jsniper_lod2.chr</JungleLOD2>\r\n"
                                 "\t<JungleLOD3>jsniper_lod3.chr</JungleLOD3>\r\n"
                                 "\t<JungleLOD4>jsniper_lod4.chr</JungleLOD4>\r\n"
                                 "\t<Weapon>255</Weapon>\r\n"
                                 "\t<Stamina>180</Stamina>\r\n"
                                 "\t<Stealth>220</Stealth>\r\n"
                                 "\t<Leadership>90</Leadership>\r\n"
                                 "\t<ScaleX>100</ScaleX>\r\n"
                                 "\t<ScaleY>104</ScaleY>\r\n"
                                 "\t<ScaleZ>100</ScaleZ>\r\n"
                                 "\t<HeadAttachment>boonie_hat.qob</HeadAttachment>\r\n"
                                 "\t<NeckAttachment>scarf.qob</NeckAttachment>\r\n"
                                 "\t<SpineLowAttachment>belt_pouch.qob</SpineLowAttachment>\r\n"
                                 "\t<SpineMidAttachment>ghillie.qob</SpineMidAttachment>\r\n"
                                 "\t<LeftThighAttachment>holster.qob</LeftThighAttachment>\r\n"
                                 "\t<RightThighAttachment>knife.qob</RightThighAttachment>\r\n"
                                 "\t<ActionFaceName>tanaka_action.rsb</ActionFaceName>\r\n"
                                 "\t<ShellFaceName>tanaka_shell.rsb</ShellFaceName>\r\n"
                                 "</ActorFile>\r\n";

// A rifleman's kit: a rifle with a grenade launcher and a medical kit.
const char* const kSampleKit = "<KitFile>\r\n"
                               "\t<VersionNumber>1.000000</VersionNumber>\r\n"
                               "\t<KitTexture>迷彩_rifleman.rsb</KitTexture>\r\n"
                               "\t<Firearm SlotNumber = \"0\">\r\n"
                               "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
                               "\t\t<ItemFileName>m16a2.gun</ItemFileName>\r\n"
                               "\t\t<MagazineCount>6</MagazineCount>\r\n"
                               "\t\t<GrenadeLauncher>1</GrenadeLauncher>\r\n"
                               "\t</Firearm>\r\n"
                               "\t<HandHeldItem SlotNumber = \"1\">\r\n"
                               "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
                               "\t\t<ItemFileName>medkit.itm</ItemFileName>\r\n"
                               "\t\t<Count>2</Count>\r\n"
                               "\t</HandHeldItem>\r\n"
                               "</KitFile>\r\n";

void save(QWidget& widget, const QString& dir, const QString& name) {
    QApplication::processEvents();
    widget.grab().save(QDir(dir).filePath(name));
}

QString writeSample(const QTemporaryDir& work, const char* name, const char* utf8) {
    const QString path = work.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const std::string bytes = dorva::utf8ToCp932(utf8).value_or(std::string());
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    return path;
}

} // namespace

void shootActorKitPages(const QString& dir) {
    dorva::applyUiFont();
    QTemporaryDir work;
    const QString actorPath = writeSample(work, "tanaka.atr", kSampleActor);
    const QString kitPath = writeSample(work, "rifleman.kit", kSampleKit);
    const QString previous = QDir::currentPath();
    {
        dorva::QtDialogs dialogs;
        const QByteArray folder = QFile::encodeName(work.path());
        dorva::MainWindow window(dialogs, work.filePath("dorva.ini"), folder,
                                 folder + "/shortcut.ini");
        window.show();

        window.openFiles({actorPath});
        save(window, dir, "actorpage-window.png");
        save(*window.actorPage(), dir, "actorpage.png");

        window.openFiles({kitPath});
        save(window, dir, "kitpage-window.png");
        save(*window.kitPage(), dir, "kitpage.png");

        // "Ex Ammo" turns the second item field off.
        window.kitPage()->findChild<QCheckBox*>("AmmoCheckBox")->click();
        save(*window.kitPage(), dir, "kitpage-extraammo.png");
    }
    QDir::setCurrent(previous);
}
