#pragma once
// The common shape of the main frame's pages (Buttoninterface, Sensor, Macro,
// FormSetting) and of the pages the application does not reach.
//
// A page derives from PageSkeleton and, in its constructor:
//   1. hands the base its language section (as a rule its class name, which
//      also becomes its object name, so style sheets and the language file
//      find it) and its picture folder under <application dir>/Picture/; the
//      base sets m_PicturePath to that folder (ending with "/") and connects
//      the hub's SigChangeLanguage(int) to SlotChangeLanguage(int);
//   2. builds its form (ui = new Ui_X; ui->setupUi(this)) and sets its style
//      sheets from m_PicturePath and the skin colours;
//   3. connects the hub signals it takes with ConnectHub(&PostMsg::SigX,
//      &X::SlotX), adding Qt::BlockingQueuedConnection for the refreshes the
//      worker thread and the data callback send and wait on (the compiler
//      checks signal, slot and arguments);
//   4. calls LoadStoredLanguage() last: the texts of the language stored in
//      Macro.ini. The form is complete by then, so the base also sets every
//      frame of the page that has a StyledPanel shape to NoFrame: on the dark
//      skin a styled panel draws a light 1 px edge around the picture it sits
//      on (the main frame flattens its own panels for the same reason). Lists
//      and other item views keep their frames: their style sheets draw them.
//      The texts must be on the widgets before anything measures them (a
//      layout, a scroll area taking its contents, a list view laid out): a
//      form's built-in Chinese placeholders, once measured, load the CJK
//      font even where the language is a Latin one. A page that puts parts
//      of its form in place later (the button page) loads them before those
//      parts are put together and calls FlattenStyledPanels() once they are.
// It overrides LanguageKeys() when it shows translated text (the children of
// its section it knows and where each text goes; see LanguageLoader).
//
// A slot that fills the page from a received record holds a FillGuard for the
// length of the fill:
//
//     void Sensor::SlotUpDataSenSorUISensor(FlashDataMap DataMap)
//     {
//         const FillGuard fill(g_SensorUiFilling, &g_SensorPageUpdated);
//         ...
//     }
//
// While the filling flag is raised the setters stay silent about an offline
// device and the page's own change handlers send nothing (the widgets fire
// their change signals while they are set). Given an acknowledgement flag,
// the guard clears it first and raises it once the fill has ended: that is
// what the apply-and-wait dialog waits for. A fill that is no full refresh
// (from the cache file, after an import, a reset) passes no acknowledgement.

#include "LanguageLoader.h"
#include "PostMsg.h"

#include <QString>
#include <QWidget>

#include <atomic>

class PageSkeleton : public QWidget
{
    Q_OBJECT

public:
    // <application dir>/Picture/ + folder + "/".
    static QString PictureFolder(const QString &folder);

public slots:
    // Loads the page's section of the language file of index.
    void SlotChangeLanguage(int index);

protected:
    PageSkeleton(const QString &section, const QString &pictureFolder, QWidget *parent);
    ~PageSkeleton() override;

    // The texts of the language stored per user.
    void LoadStoredLanguage();
    virtual LanguageLoader::KeyTable LanguageKeys();
    // Steps a page adds around the load of its section: before it, what holds
    // for the index even without a file (placements, fonts); after it,
    // whether the file opened (what follows from the texts).
    virtual void BeforeLanguageLoad(int index);
    virtual void AfterLanguageLoad(int index, bool opened);

    // Connects a hub signal to a slot of this page.
    template<typename Signal, typename Page, typename Slot>
    QMetaObject::Connection ConnectHub(Signal signal, Slot Page::*slot, Qt::ConnectionType type = Qt::AutoConnection)
    {
        return connect(PostMsg::GetInstance(), signal, static_cast<Page *>(this), slot, type);
    }

    QString m_PicturePath;
    LanguageReaderPtr m_Reader;

    // What LoadStoredLanguage does to the frames; again for a page whose
    // parts are put in place after its texts were loaded.
    void FlattenStyledPanels();

private:
    QString m_Section;
};

// Raises a page's filling flag for its lifetime; with an acknowledgement flag,
// clears that first and raises it at the end.
class FillGuard
{
public:
    explicit FillGuard(std::atomic<int> &filling, std::atomic<int> *acknowledged = nullptr);
    ~FillGuard();
    FillGuard(const FillGuard &) = delete;
    FillGuard &operator=(const FillGuard &) = delete;

private:
    std::atomic<int> &m_Filling;
    std::atomic<int> *m_Acknowledged;
};
