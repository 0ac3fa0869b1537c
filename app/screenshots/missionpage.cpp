#include "app/screenshots/shots.h"

#include "app/mainwindow.h"
#include "app/uifont.h"
#include "controls/briefingdialog.h"
#include "controls/dialogs.h"
#include "formats/codec.h"
#include "pages/missionpage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

// A mission with fog, snow, Japanese names and a two-paragraph Japanese briefing.
const char* const kSampleMission =
    "<Mission>\r\n"
    "\t<Engine>\r\n"
    "\t\t<Weather>60</Weather>\r\n"
    "\t\t<Rain>0</Rain>\r\n"
    "\t\t<Snow>1</Snow>\r\n"
    "\t\t<Environment>env\\winter_valley.env</Environment>\r\n"
    "\t\t<Wind>18</Wind>\r\n"
    "\t\t<FogOverride Near = \"20\" Far = \"450\" Red = \"210\" Green = \"220\" Blue = \"235\" "
    "Spot = \"120\"/>\r\n"
    "\t</Engine>\r\n"
    "\t<Map>\r\n"
    "\t\t<MapShots>shots\\valley</MapShots>\r\n"
    "\t\t<MapName>雪の谷</MapName>\r\n"
    "\t\t<RecommendedGameTypes>coop</RecommendedGameTypes>\r\n"
    "\t\t<MapSize>3</MapSize>\r\n"
    "\t</Map>\r\n"
    "\t<Briefing>\r\n"
    "\t\t<BriefingImage>valley.rsb</BriefingImage>\r\n"
    "\t\t<BriefingImageY>32</BriefingImageY>\r\n"
    "\t\t<DemoRequired>1</DemoRequired>\r\n"
    "\t\t<DemoRecommend>0</DemoRecommend>\r\n"
    "\t\t<AntitankRequired>0</AntitankRequired>\r\n"
    "\t\t<AntitankRecommend>1</AntitankRecommend>\r\n"
    "\t\t<BriefingCycleImage>valley_cycle.rsb</BriefingCycleImage>\r\n"
    "\t\t<LocationText>長野県・白馬村</LocationText>\r\n"
    "\t\t<DateText>2003年1月14日</DateText>\r\n"
    "\t\t<TimeText>04:45</TimeText>\r\n"
    "\t\t<BriefingWaveFile>valley.wav</BriefingWaveFile>\r\n"
    "\t\t<BriefingText>夜明け前に谷の発電所を制圧せよ。{p}吹雪で視界は悪い。\r\n"
    "第二小隊は北側の尾根から接近し、{p}通信設備を確保すること。</BriefingText>\r\n"
    "\t\t<WeatherIndex>4</WeatherIndex>\r\n"
    "\t\t<CombatPoints>300</CombatPoints>\r\n"
    "\t\t<Class0>1</Class0>\r\n"
    "\t\t<Class1>1</Class1>\r\n"
    "\t\t<Class2>0</Class2>\r\n"
    "\t\t<Class3>2</Class3>\r\n"
    "\t\t<Class4>3</Class4>\r\n"
    "\t\t<Class5>1</Class5>\r\n"
    "\t</Briefing>\r\n"
    "\t<Properties>\r\n"
    "\t\t<Name>雪の谷 作戦</Name>\r\n"
    "\t\t<RequiresUnlocking>1</RequiresUnlocking>\r\n"
    "\t\t<GameTypes>1</GameTypes>\r\n"
    "\t\t<SinglePlayer>1</SinglePlayer>\r\n"
    "\t\t<Coop>1</Coop>\r\n"
    "\t\t<Team>0</Team>\r\n"
    "\t\t<Solo>0</Solo>\r\n"
    "\t\t<HeroFile>heroes\\valley.atr</HeroFile>\r\n"
    "\t</Properties>\r\n"
    "</Mission>\r\n";

void save(QWidget& widget, const QString& dir, const QString& name) {
    QApplication::processEvents();
    widget.grab().save(QDir(dir).filePath(name));
}

} // namespace

void shootMissionPage(const QString& dir) {
    dorva::applyUiFont();
    QTemporaryDir work;
    const QString path = work.filePath("valley.mis");
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        const std::string bytes = dorva::utf8ToCp932(kSampleMission).value_or(std::string());
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    const QString previous = QDir::currentPath();
    {
        dorva::QtDialogs dialogs;
        const QByteArray folder = QFile::encodeName(work.path());
        dorva::MainWindow window(dialogs, work.filePath("dorva.ini"), folder,
                                 folder + "/shortcut.ini");
        window.show();
        window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
        save(window, dir, "missionpage-empty.png");

        window.openFiles({path});
        save(window, dir, "missionpage-window.png");
        save(*window.missionPage(), dir, "missionpage.png");

        dorva::BriefingDialog& briefing = *window.briefingDialog();
        briefing.show();
        save(briefing, dir, "missionpage-briefing.png");
        briefing.hide();
    }
    QDir::setCurrent(previous);
}
