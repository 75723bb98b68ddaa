// The CJK font is loaded only for texts that need it. Its file is large (the
// pages of it around each glyph read are resident, several MiB for a few
// dozen glyphs), and the forms carry Chinese placeholder texts until the
// language file replaces them: a placeholder measured before that (a layout,
// a scroll area taking its contents, a list laid out) loaded the font for a
// Latin language too. With English or Russian stored, starting the window,
// building its main frame, selecting a mouse, its first read and a look at
// every page must never map a CJK font file; Chinese must.
//
// One process, in this order: a face once loaded stays for good.

#include "TestMain.h"

#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "HIDUsbSim.h"
#include "MacroIni.h"
#include "PostMsg.h"
#include "Startup.h"
#include "TestState.h"
#include "UpDataParam.h"

#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QToolButton>

namespace {

// The CJK font files mapped into this process now (FreeType maps a face's
// file while the face is loaded).
QStringList MappedCjkFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(cannot read /proc/self/maps)")};
    QStringList files;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash < 0)
            continue;
        const QString file = QString::fromLocal8Bit(line.mid(slash));
        const QString name = file.section(QLatin1Char('/'), -1).toLower();
        const bool font = name.endsWith(QLatin1String(".ttc")) || name.endsWith(QLatin1String(".otc"))
            || name.endsWith(QLatin1String(".otf")) || name.endsWith(QLatin1String(".ttf"));
        if (font && name.contains(QLatin1String("cjk")) && !files.contains(file))
            files << file;
    }
    return files;
}

} // namespace

class TestCjkFont : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void latinLanguagesNeverLoadIt();
    void chineseLoadsIt();

private:
    DialogMain *m_Window = nullptr;
    QComboBox *m_Language = nullptr;
};

void TestCjkFont::initTestCase()
{
    const QStringList families = QFontDatabase().families();
    if (families.contains(QString::fromUtf8("微软雅黑")))
        QSKIP("the Windows face is installed: it draws every text");
    if (families.filter("CJK", Qt::CaseInsensitive).isEmpty())
        QSKIP("no CJK face installed");
    OrvikTest::ResetAllState();
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
    QVERIFY2(MappedCjkFiles().isEmpty(), qPrintable(MappedCjkFiles().join(", ")));
}

void TestCjkFont::latinLanguagesNeverLoadIt()
{
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");
    m_Window = new DialogMain; // lives until the process ends, as in the utility
    m_Language = m_Window->DeviceListPage()->findChild<QComboBox *>("comboBox");
    QVERIFY(m_Language);
    m_Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
    QTRY_VERIFY_WITH_TIMEOUT(m_Window->MainFrameReady(), 20000);
    QVERIFY2(MappedCjkFiles().isEmpty(), qPrintable("loaded by the frame's build: " + MappedCjkFiles().join(", ")));

    // A mouse selected and read; the frame's pages shown one by one.
    QVERIFY(HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse("rx", "m1")) > 0);
    QTRY_COMPARE(g_TileButtons.size(), 1);
    static_cast<QToolButton *>(g_TileButtons.first())->click();
    Dialog *frame = m_Window->MainFramePage();
    QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > 0, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!frame->ApplyDialog()->isVisible(), 20000);
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY2(MappedCjkFiles().isEmpty(), qPrintable("loaded by the first read: " + MappedCjkFiles().join(", ")));
    Ui_Dialog *form = frame->Form();
    for (QToolButton *page : {form->SensorButton, form->MacroButton, form->FormSetting, form->ButtonMain}) {
        page->click();
        QTest::qWait(50);
        QVERIFY2(MappedCjkFiles().isEmpty(),
                 qPrintable("loaded by the page of " + page->objectName() + ": " + MappedCjkFiles().join(", ")));
    }

    // Russian, picked on the device list's selector.
    QVERIFY(QMetaObject::invokeMethod(m_Language, "activated", Q_ARG(int, 3)));
    QTest::qWait(50);
    QVERIFY2(MappedCjkFiles().isEmpty(), qPrintable("loaded by Russian: " + MappedCjkFiles().join(", ")));
}

void TestCjkFont::chineseLoadsIt()
{
    // The check above sees a CJK face once one is loaded.
    QVERIFY(m_Window && m_Language);
    QVERIFY(QMetaObject::invokeMethod(m_Language, "activated", Q_ARG(int, 1)));
    QTRY_VERIFY2(!MappedCjkFiles().isEmpty(), "Chinese texts shown without a CJK face");
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");
}

ORVIK_TEST_MAIN(TestCjkFont)
#include "tst_cjkfont.moc"
