#pragma once
// Form of the button-mapping page: the configuration selector, the mouse
// picture with its six numbered buttons, Reset / Import / Export, and in the
// bottom panel the six button selectors, the main function list
// (stackedWidget) and the sub-menus (stackedWidget_2: multimedia, macros,
// lights, DPI lock, the debounce selector, tilt, DPI switch, scroll).
// Object names are the contract with the page's slots, style sheets and
// language section.

#include "DebounceTime.h"
#include "EndElidedToolButton.h"
#include "MyConmboBox.h"
#include "MyToolButton.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMetaObject>
#include <QScrollArea>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

class Ui_Buttoninterface
{
public:
    QGridLayout *gridLayout_9 = nullptr;
    QFrame *MainWindow = nullptr;
    QLabel *label = nullptr;
    QWidget *widget = nullptr;
    QToolButton *Number1 = nullptr;
    QToolButton *Number2 = nullptr;
    QToolButton *Number3 = nullptr;
    QToolButton *Number4 = nullptr;
    QToolButton *Number5 = nullptr;
    QToolButton *Number6 = nullptr;
    QToolButton *OutputData = nullptr;
    QToolButton *ImportData = nullptr;
    QGroupBox *groupBox = nullptr;
    QScrollArea *scrollArea_11 = nullptr;
    QWidget *scrollAreaWidgetContents_11 = nullptr;
    QLabel *label_14 = nullptr;
    QToolButton *FireKey = nullptr;
    QLabel *label_9 = nullptr;
    QToolButton *RightKey = nullptr;
    QLabel *label_15 = nullptr;
    QToolButton *BackKey = nullptr;
    QLabel *label_11 = nullptr;
    QToolButton *StartPause = nullptr;
    QLabel *label_12 = nullptr;
    QToolButton *TopMusic = nullptr;
    QLabel *label_13 = nullptr;
    QToolButton *BackMusic = nullptr;
    QStackedWidget *stackedWidget = nullptr;
    QWidget *page = nullptr;
    QGridLayout *gridLayout_3 = nullptr;
    QWidget *page_2 = nullptr;
    QGridLayout *gridLayout = nullptr;
    QScrollArea *scrollArea_4 = nullptr;
    QWidget *scrollAreaWidgetContents_4 = nullptr;
    QVBoxLayout *verticalLayout_9 = nullptr;
    QToolButton *LeftKey_3 = nullptr;
    QToolButton *RightKey_3 = nullptr;
    QToolButton *MidKey = nullptr;
    QToolButton *BackKey_2 = nullptr;
    QToolButton *ForWardKey = nullptr;
    QToolButton *DPI_2 = nullptr;
    QToolButton *DPI_3 = nullptr;
    MyToolButton *DPI_6 = nullptr;
    MyToolButton *DPI_8 = nullptr;
    QToolButton *DPI_5 = nullptr;
    QToolButton *DPI_13 = nullptr;
    QToolButton *DPI_11 = nullptr;
    QToolButton *DPI_4 = nullptr;
    QToolButton *DPI_9 = nullptr;
    QToolButton *DPI_7 = nullptr;
    QToolButton *DPI_12 = nullptr;
    QToolButton *DPI_10 = nullptr;
    QGroupBox *groupBox_4 = nullptr;
    QStackedWidget *stackedWidget_2 = nullptr;
    QWidget *page_3 = nullptr;
    QGridLayout *gridLayout_2 = nullptr;
    QScrollArea *scrollArea_3 = nullptr;
    QWidget *scrollAreaWidgetContents_3 = nullptr;
    QVBoxLayout *verticalLayout_4 = nullptr;
    QToolButton *Player = nullptr;
    QToolButton *StartPause_2 = nullptr;
    QToolButton *BackMusic_2 = nullptr;
    QToolButton *TopMusic_2 = nullptr;
    QToolButton *Mute = nullptr;
    QToolButton *VolumeUp = nullptr;
    QToolButton *VolumeDown = nullptr;
    QToolButton *VolumeDown_4 = nullptr;
    QToolButton *VolumeDown_5 = nullptr;
    QToolButton *VolumeDown_6 = nullptr;
    QToolButton *VolumeDown_3 = nullptr;
    QToolButton *VolumeDown_8 = nullptr;
    QToolButton *VolumeDown_9 = nullptr;
    QToolButton *VolumeDown_7 = nullptr;
    QToolButton *VolumeDown_10 = nullptr;
    QToolButton *VolumeDown_12 = nullptr;
    QToolButton *VolumeDown_13 = nullptr;
    QToolButton *VolumeDown_11 = nullptr;
    QWidget *page_5 = nullptr;
    QGridLayout *gridLayout_5 = nullptr;
    QScrollArea *scrollArea_7 = nullptr;
    QWidget *scrollAreaWidgetContents_7 = nullptr;
    QVBoxLayout *verticalLayout_6 = nullptr;
    QWidget *page_6 = nullptr;
    QGridLayout *gridLayout_6 = nullptr;
    QScrollArea *scrollArea_8 = nullptr;
    QWidget *scrollAreaWidgetContents_8 = nullptr;
    QVBoxLayout *verticalLayout_10 = nullptr;
    QToolButton *VolumeUp_4 = nullptr;
    QToolButton *VolumeUp_5 = nullptr;
    QToolButton *VolumeUp_6 = nullptr;
    QToolButton *VolumeUp_7 = nullptr;
    QWidget *page_8 = nullptr;
    QGridLayout *gridLayout_8 = nullptr;
    QScrollArea *scrollArea_10 = nullptr;
    QWidget *scrollAreaWidgetContents_10 = nullptr;
    QVBoxLayout *verticalLayout_12 = nullptr;
    QToolButton *VolumeUp_11 = nullptr;
    QToolButton *VolumeUp_12 = nullptr;
    QToolButton *VolumeUp_13 = nullptr;
    QToolButton *VolumeUp_16 = nullptr;
    QToolButton *VolumeUp_15 = nullptr;
    QToolButton *VolumeUp_19 = nullptr;
    QToolButton *VolumeUp_20 = nullptr;
    QToolButton *VolumeUp_22 = nullptr;
    QToolButton *VolumeUp_18 = nullptr;
    QToolButton *VolumeUp_24 = nullptr;
    QToolButton *VolumeUp_23 = nullptr;
    QToolButton *VolumeUp_21 = nullptr;
    QWidget *page_9 = nullptr;
    QGroupBox *groupBox_2 = nullptr;
    QLabel *label_3 = nullptr;
    DebounceTime *DebunceButton = nullptr;
    QWidget *page_4 = nullptr;
    QGridLayout *gridLayout_4 = nullptr;
    QScrollArea *scrollArea_6 = nullptr;
    QWidget *scrollAreaWidgetContents_6 = nullptr;
    QVBoxLayout *verticalLayout_5 = nullptr;
    QToolButton *VolumeUp_2 = nullptr;
    QToolButton *VolumeDown_2 = nullptr;
    QWidget *page_7 = nullptr;
    QGridLayout *gridLayout_7 = nullptr;
    QScrollArea *scrollArea_9 = nullptr;
    QWidget *scrollAreaWidgetContents_9 = nullptr;
    QVBoxLayout *verticalLayout_11 = nullptr;
    QToolButton *VolumeUp_8 = nullptr;
    QToolButton *VolumeUp_9 = nullptr;
    QToolButton *VolumeUp_10 = nullptr;
    QWidget *page_10 = nullptr;
    QScrollArea *scrollArea_12 = nullptr;
    QWidget *scrollAreaWidgetContents_12 = nullptr;
    QVBoxLayout *verticalLayout_7 = nullptr;
    QToolButton *VolumeUp_14 = nullptr;
    QToolButton *VolumeDown_14 = nullptr;
    MyConmboBox *ProjectChoose = nullptr;
    QToolButton *Reset = nullptr;

    void setupUi(QWidget *Buttoninterface)
    {
        if (Buttoninterface->objectName().isEmpty())
            Buttoninterface->setObjectName(QString::fromUtf8("Buttoninterface"));
        Buttoninterface->resize(883, 630);
        Buttoninterface->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        Buttoninterface->setMaximumSize(QSize(883, 660));
        Buttoninterface->setStyleSheet(QString());
        gridLayout_9 = new QGridLayout(Buttoninterface);
        gridLayout_9->setObjectName(QString::fromUtf8("gridLayout_9"));
        gridLayout_9->setContentsMargins(0, 0, 0, 0);

        MainWindow = new QFrame(Buttoninterface);
        MainWindow->setObjectName(QString::fromUtf8("MainWindow"));
        MainWindow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        MainWindow->setMaximumSize(QSize(883, 630));
        MainWindow->setStyleSheet(scrollBarSheet());
        MainWindow->setFrameShape(QFrame::StyledPanel);
        MainWindow->setFrameShadow(QFrame::Raised);

        label = new QLabel(MainWindow);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(30, 30, 20, 14));
        label->setMaximumSize(QSize(20, 14));

        widget = new QWidget(MainWindow);
        widget->setObjectName(QString::fromUtf8("widget"));
        widget->setGeometry(QRect(180, 20, 400, 356));
        fixed(widget, 400, 356);
        QFont numberFont;
        numberFont.setPointSize(16);
        const QPoint numberPlaces[6] = {{135, 50}, {225, 50}, {180, 90}, {85, 110}, {85, 150}, {180, 120}};
        QToolButton **numbers[6] = {&Number1, &Number2, &Number3, &Number4, &Number5, &Number6};
        for (int i = 0; i < 6; ++i) {
            QToolButton *b = toolButton(widget, QString("Number%1").arg(i + 1), 38, 22);
            b->setGeometry(QRect(numberPlaces[i], QSize(38, 38)));
            fixed(b, 38, 38);
            b->setFont(numberFont);
            *numbers[i] = b;
        }

        OutputData = stripButton(MainWindow, "OutputData", 780);
        ImportData = stripButton(MainWindow, "ImportData", 680);

        groupBox = new QGroupBox(MainWindow);
        groupBox->setObjectName(QString::fromUtf8("groupBox"));
        groupBox->setGeometry(QRect(7, 380, 862, 216));

        scrollArea_11 = new QScrollArea(groupBox);
        scrollArea_11->setObjectName(QString::fromUtf8("scrollArea_11"));
        scrollArea_11->setGeometry(QRect(150, 2, 480, 212));
        fixed(scrollArea_11, 480, 212);
        scrollArea_11->setFocusPolicy(Qt::NoFocus);
        scrollArea_11->setStyleSheet(QString());
        scrollArea_11->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        scrollArea_11->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scrollArea_11->setWidgetResizable(true);
        scrollAreaWidgetContents_11 = new QWidget();
        scrollAreaWidgetContents_11->setObjectName(QString::fromUtf8("scrollAreaWidgetContents_11"));
        scrollAreaWidgetContents_11->setGeometry(QRect(0, 0, 510, 212));
        fixed(scrollAreaWidgetContents_11, 510, 212);
        struct Row
        {
            QLabel **label;
            const char *labelName;
            int labelY;
            QToolButton **selector;
            const char *name;
            int y;
        };
        const Row rows[6] = {
            {&label_14, "label_14", 6, &FireKey, "FireKey", 5},
            {&label_9, "label_9", 48, &RightKey, "RightKey", 47},
            {&label_15, "label_15", 90, &BackKey, "BackKey", 89},
            {&label_11, "label_11", 132, &StartPause, "StartPause", 131},
            {&label_12, "label_12", 174, &TopMusic, "TopMusic", 173},
            {&label_13, "label_13", 180, &BackMusic, "BackMusic", 179},
        };
        QFont numberLabelFont(QString::fromUtf8("Microsoft YaHei UI Light"));
        numberLabelFont.setPointSize(16);
        for (const Row &row : rows) {
            QLabel *l = new QLabel(scrollAreaWidgetContents_11);
            l->setObjectName(QString::fromUtf8(row.labelName));
            l->setGeometry(QRect(0, row.labelY, 24, 24));
            fixed(l, 24, 24);
            l->setFont(numberLabelFont);
            l->setAlignment(Qt::AlignCenter);
            *row.label = l;
            // A long macro label keeps its beginning, cut at the end.
            QToolButton *s = toolButton(scrollAreaWidgetContents_11, QString::fromUtf8(row.name), 262, 26,
                                        new EndElidedToolButton(scrollAreaWidgetContents_11));
            s->setGeometry(QRect(30, row.y, 262, 26));
            s->setFont(Skin::Font(11));
            s->setCheckable(true);
            *row.selector = s;
        }

        stackedWidget = new QStackedWidget(groupBox);
        stackedWidget->setObjectName(QString::fromUtf8("stackedWidget"));
        stackedWidget->setGeometry(QRect(445, -11, 201, 241));
        stackedWidget->setMinimumSize(QSize(192, 230));
        stackedWidget->setMaximumSize(QSize(230, 1111));
        page = new QWidget();
        page->setObjectName(QString::fromUtf8("page"));
        fixed(page, 195, 240);
        gridLayout_3 = new QGridLayout(page);
        gridLayout_3->setObjectName(QString::fromUtf8("gridLayout_3"));
        gridLayout_3->setSpacing(0);
        gridLayout_3->setContentsMargins(0, 0, 0, 0);
        page_2 = new QWidget();
        page_2->setObjectName(QString::fromUtf8("page_2"));
        fixed(page_2, 195, 240);
        gridLayout = new QGridLayout(page_2);
        gridLayout->setObjectName(QString::fromUtf8("gridLayout"));
        gridLayout->setSpacing(0);
        gridLayout->setContentsMargins(0, 0, 0, 0);
        scrollArea_4 = menuScrollArea(page_2, "scrollArea_4", 195, 220);
        scrollArea_4->setFrameShape(QFrame::StyledPanel);
        scrollArea_4->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        scrollAreaWidgetContents_4 = contents("scrollAreaWidgetContents_4", 195, 420);
        verticalLayout_9 = new QVBoxLayout(scrollAreaWidgetContents_4);
        verticalLayout_9->setObjectName(QString::fromUtf8("verticalLayout_9"));
        LeftKey_3 = mainItem("LeftKey_3", 8);
        RightKey_3 = mainItem("RightKey_3", 8);
        MidKey = mainItem("MidKey", 8);
        BackKey_2 = mainItem("BackKey_2", 8);
        ForWardKey = mainItem("ForWardKey", 8);
        DPI_2 = mainItem("DPI_2", 8);
        DPI_3 = mainItem("DPI_3", 8);
        DPI_6 = new MyToolButton(scrollAreaWidgetContents_4);
        setUpItem(DPI_6, "DPI_6", 164, 8);
        verticalLayout_9->addWidget(DPI_6);
        DPI_8 = new MyToolButton(scrollAreaWidgetContents_4);
        setUpItem(DPI_8, "DPI_8", 164, 8);
        verticalLayout_9->addWidget(DPI_8);
        DPI_5 = mainItem("DPI_5", 8);
        DPI_13 = mainItem("DPI_13", 6);
        DPI_11 = mainItem("DPI_11", 6);
        DPI_4 = mainItem("DPI_4", 6);
        DPI_9 = mainItem("DPI_9", 6);
        DPI_7 = mainItem("DPI_7", 6);
        DPI_12 = mainItem("DPI_12", 7);
        DPI_10 = mainItem("DPI_10", 8);
        gridLayout->addWidget(scrollArea_4, 0, 0, 1, 1);

        groupBox_4 = new QGroupBox(groupBox);
        groupBox_4->setObjectName(QString::fromUtf8("groupBox_4"));
        groupBox_4->setGeometry(QRect(643, -11, 211, 241));
        stackedWidget_2 = new QStackedWidget(groupBox_4);
        stackedWidget_2->setObjectName(QString::fromUtf8("stackedWidget_2"));
        stackedWidget_2->setGeometry(QRect(0, 0, 213, 238));
        stackedWidget_2->setMinimumSize(QSize(213, 200));
        stackedWidget_2->setMaximumSize(QSize(213, 1111111));

        // 0: multimedia
        menuPage("page_3", &page_3, "gridLayout_2", &gridLayout_2, "scrollArea_3", &scrollArea_3,
                 "scrollAreaWidgetContents_3", &scrollAreaWidgetContents_3, 500, "verticalLayout_4", &verticalLayout_4);
        struct Item
        {
            QToolButton **button;
            const char *name;
        };
        const Item media[] = {
            {&Player, "Player"},
            {&StartPause_2, "StartPause_2"},
            {&BackMusic_2, "BackMusic_2"},
            {&TopMusic_2, "TopMusic_2"},
            {&Mute, "Mute"},
            {&VolumeUp, "VolumeUp"},
            {&VolumeDown, "VolumeDown"},
            {&VolumeDown_4, "VolumeDown_4"},
            {&VolumeDown_5, "VolumeDown_5"},
            {&VolumeDown_6, "VolumeDown_6"},
            {&VolumeDown_3, "VolumeDown_3"},
            {&VolumeDown_8, "VolumeDown_8"},
            {&VolumeDown_9, "VolumeDown_9"},
            {&VolumeDown_7, "VolumeDown_7"},
            {&VolumeDown_10, "VolumeDown_10"},
            {&VolumeDown_12, "VolumeDown_12"},
            {&VolumeDown_13, "VolumeDown_13"},
            {&VolumeDown_11, "VolumeDown_11"},
        };
        for (const Item &item : media)
            *item.button = subItem(scrollAreaWidgetContents_3, verticalLayout_4, item.name);
        gridLayout_2->addWidget(scrollArea_3, 0, 0, 1, 1);

        // 1: macro list (the page puts its own container into scrollArea_7)
        menuPage("page_5", &page_5, "gridLayout_5", &gridLayout_5, "scrollArea_7", &scrollArea_7,
                 "scrollAreaWidgetContents_7", &scrollAreaWidgetContents_7, 220, "verticalLayout_6", &verticalLayout_6);
        gridLayout_5->addWidget(scrollArea_7, 0, 0, 1, 1);

        // 2: lights
        menuPage("page_6", &page_6, "gridLayout_6", &gridLayout_6, "scrollArea_8", &scrollArea_8,
                 "scrollAreaWidgetContents_8", &scrollAreaWidgetContents_8, 220, "verticalLayout_10",
                 &verticalLayout_10);
        const Item lights[] = {
            {&VolumeUp_4, "VolumeUp_4"},
            {&VolumeUp_5, "VolumeUp_5"},
            {&VolumeUp_6, "VolumeUp_6"},
            {&VolumeUp_7, "VolumeUp_7"},
        };
        for (const Item &item : lights)
            *item.button = subItem(scrollAreaWidgetContents_8, verticalLayout_10, item.name);
        verticalLayout_10->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
        gridLayout_6->addWidget(scrollArea_8, 0, 0, 1, 1);

        // 3: DPI lock
        menuPage("page_8", &page_8, "gridLayout_8", &gridLayout_8, "scrollArea_10", &scrollArea_10,
                 "scrollAreaWidgetContents_10", &scrollAreaWidgetContents_10, 400, "verticalLayout_12",
                 &verticalLayout_12);
        const Item locks[] = {
            {&VolumeUp_11, "VolumeUp_11"}, {&VolumeUp_12, "VolumeUp_12"}, {&VolumeUp_13, "VolumeUp_13"},
            {&VolumeUp_16, "VolumeUp_16"}, {&VolumeUp_15, "VolumeUp_15"}, {&VolumeUp_19, "VolumeUp_19"},
            {&VolumeUp_20, "VolumeUp_20"}, {&VolumeUp_22, "VolumeUp_22"}, {&VolumeUp_18, "VolumeUp_18"},
            {&VolumeUp_24, "VolumeUp_24"}, {&VolumeUp_23, "VolumeUp_23"}, {&VolumeUp_21, "VolumeUp_21"},
        };
        for (const Item &item : locks)
            *item.button = subItem(scrollAreaWidgetContents_10, verticalLayout_12, item.name);
        gridLayout_8->addWidget(scrollArea_10, 0, 0, 1, 1);

        // 4: the debounce selector
        page_9 = new QWidget();
        page_9->setObjectName(QString::fromUtf8("page_9"));
        groupBox_2 = new QGroupBox(page_9);
        groupBox_2->setObjectName(QString::fromUtf8("groupBox_2"));
        groupBox_2->setGeometry(QRect(10, 0, 200, 241));
        groupBox_2->setStyleSheet(
            QString::fromUtf8("#groupBox_2{border-width:2px;border-style:solid;border-color:rgb(119, 119, 119);}"));
        label_3 = new QLabel(groupBox_2);
        label_3->setObjectName(QString::fromUtf8("label_3"));
        label_3->setGeometry(QRect(0, 20, 201, 31));
        label_3->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        label_3->setFont(Skin::Font(11));
        label_3->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));
        label_3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        DebunceButton = new DebounceTime(groupBox_2);
        DebunceButton->setObjectName(QString::fromUtf8("DebunceButton"));
        DebunceButton->setGeometry(QRect(35, 50, 165, 37));
        DebunceButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        DebunceButton->setFrameShape(QFrame::StyledPanel);
        DebunceButton->setFrameShadow(QFrame::Raised);

        // 5: tilt
        menuPage("page_4", &page_4, "gridLayout_4", &gridLayout_4, "scrollArea_6", &scrollArea_6,
                 "scrollAreaWidgetContents_6", &scrollAreaWidgetContents_6, 220, "verticalLayout_5", &verticalLayout_5);
        VolumeUp_2 = subItem(scrollAreaWidgetContents_6, verticalLayout_5, "VolumeUp_2");
        VolumeDown_2 = subItem(scrollAreaWidgetContents_6, verticalLayout_5, "VolumeDown_2");
        verticalLayout_5->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
        gridLayout_4->addWidget(scrollArea_6, 0, 0, 1, 1);

        // 6: DPI switch
        menuPage("page_7", &page_7, "gridLayout_7", &gridLayout_7, "scrollArea_9", &scrollArea_9,
                 "scrollAreaWidgetContents_9", &scrollAreaWidgetContents_9, 220, "verticalLayout_11",
                 &verticalLayout_11);
        VolumeUp_8 = subItem(scrollAreaWidgetContents_9, verticalLayout_11, "VolumeUp_8");
        VolumeUp_9 = subItem(scrollAreaWidgetContents_9, verticalLayout_11, "VolumeUp_9");
        VolumeUp_10 = subItem(scrollAreaWidgetContents_9, verticalLayout_11, "VolumeUp_10");
        verticalLayout_11->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
        gridLayout_7->addWidget(scrollArea_9, 0, 0, 1, 1);

        // 7: scroll (no layout: the scroll area sits by geometry)
        page_10 = new QWidget();
        page_10->setObjectName(QString::fromUtf8("page_10"));
        fixed(page_10, 205, 240);
        scrollArea_12 = menuScrollArea(page_10, "scrollArea_12", 205, 220);
        scrollArea_12->setGeometry(QRect(0, 10, 205, 220));
        scrollAreaWidgetContents_12 = contents("scrollAreaWidgetContents_12", 205, 220);
        verticalLayout_7 = subLayout(scrollAreaWidgetContents_12, "verticalLayout_7");
        VolumeUp_14 = subItem(scrollAreaWidgetContents_12, verticalLayout_7, "VolumeUp_14");
        VolumeDown_14 = subItem(scrollAreaWidgetContents_12, verticalLayout_7, "VolumeDown_14");
        verticalLayout_7->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));

        ProjectChoose = new MyConmboBox(MainWindow);
        ProjectChoose->setObjectName(QString::fromUtf8("ProjectChoose"));
        ProjectChoose->setGeometry(QRect(60, 25, 128, 24));
        fixed(ProjectChoose, 128, 24);
        ProjectChoose->setFont(Skin::Font(11));
        ProjectChoose->setFocusPolicy(Qt::NoFocus);

        Reset = stripButton(MainWindow, "Reset", 580);

        gridLayout_9->addWidget(MainWindow, 0, 0, 1, 1);

        retranslateUi(Buttoninterface);
    }

    // Put the menus together: the pages into their stacks, the lists into
    // their scroll areas, which shows and so polishes them. Called once the
    // page has set its style sheets, each widget takes its style once instead
    // of again for every sheet set after it; the pages go in first, so the
    // lists are polished where they end up rather than again when moved. The
    // selectors with the main list's pages, the main list, the sub-menus'
    // pages with the multimedia list, and the other sub-menus are four parts
    // that may run apart, in this order.
    void assembleSelectors()
    {
        stackedWidget->addWidget(page);
        stackedWidget->addWidget(page_2);
        scrollArea_11->setWidget(scrollAreaWidgetContents_11);
    }

    void assembleMainList()
    {
        scrollArea_4->setWidget(scrollAreaWidgetContents_4);
        stackedWidget->setCurrentIndex(1);
    }

    // The parts made without a parent, which the assembly above puts into
    // the page: until then a child found by name may be in one of these.
    QList<QWidget *> partsToAssemble() const
    {
        return {page,
                page_2,
                scrollAreaWidgetContents_11,
                scrollAreaWidgetContents_4,
                page_3,
                page_5,
                page_6,
                page_8,
                page_9,
                page_4,
                page_7,
                page_10,
                scrollAreaWidgetContents_3,
                scrollAreaWidgetContents_7,
                scrollAreaWidgetContents_8,
                scrollAreaWidgetContents_10,
                scrollAreaWidgetContents_6,
                scrollAreaWidgetContents_9,
                scrollAreaWidgetContents_12};
    }

    void assembleSubMenuPages()
    {
        stackedWidget_2->addWidget(page_3);
        stackedWidget_2->addWidget(page_5);
        stackedWidget_2->addWidget(page_6);
        stackedWidget_2->addWidget(page_8);
        stackedWidget_2->addWidget(page_9);
        stackedWidget_2->addWidget(page_4);
        stackedWidget_2->addWidget(page_7);
        stackedWidget_2->addWidget(page_10);
        scrollArea_3->setWidget(scrollAreaWidgetContents_3);
    }

    // Last: the slots are connected by name once every widget is in place.
    void assembleSubMenus(QWidget *Buttoninterface)
    {
        scrollArea_7->setWidget(scrollAreaWidgetContents_7);
        scrollArea_8->setWidget(scrollAreaWidgetContents_8);
        scrollArea_10->setWidget(scrollAreaWidgetContents_10);
        scrollArea_6->setWidget(scrollAreaWidgetContents_6);
        scrollArea_9->setWidget(scrollAreaWidgetContents_9);
        scrollArea_12->setWidget(scrollAreaWidgetContents_12);
        stackedWidget_2->setCurrentIndex(4);

        QMetaObject::connectSlotsByName(Buttoninterface);
    }

    void retranslateUi(QWidget *Buttoninterface)
    {
        auto tr = [](const char *text) { return QCoreApplication::translate("Buttoninterface", text); };
        Buttoninterface->setWindowTitle(tr("Form"));
        label->setText(QString());
        const char *const digits[6] = {"1", "2", "3", "4", "5", "6"};
        QToolButton *numbers[6] = {Number1, Number2, Number3, Number4, Number5, Number6};
        for (int i = 0; i < 6; ++i)
            numbers[i]->setText(tr(digits[i]));
        OutputData->setText(tr("导出"));
        ImportData->setText(tr("导入"));
        groupBox->setTitle(QString());
        QLabel *numberLabels[6] = {label_14, label_9, label_15, label_11, label_12, label_13};
        for (int i = 0; i < 6; ++i)
            numberLabels[i]->setText(tr(digits[i]));
        FireKey->setText(tr("左键"));
        RightKey->setText(tr("右键"));
        BackKey->setText(tr("中键"));
        StartPause->setText(tr("前进键"));
        TopMusic->setText(tr("后退键"));
        BackMusic->setText(tr("下一曲"));
        LeftKey_3->setText(tr("左键"));
        RightKey_3->setText(tr("右键"));
        MidKey->setText(tr("中键"));
        BackKey_2->setText(tr("后退键"));
        ForWardKey->setText(tr("前进键"));
        DPI_2->setText(tr("切换报告率"));
        DPI_3->setText(tr("配置切换"));
        DPI_6->setText(tr("火力键"));
        DPI_8->setText(tr("组合键"));
        DPI_5->setText(tr("待定义按键"));
        DPI_13->setText(tr("鼠标上/下滚"));
        DPI_11->setText(tr("鼠标左/右滚"));
        DPI_4->setText(tr("DPI锁定"));
        DPI_9->setText(tr("开关装饰灯"));
        DPI_7->setText(tr("DPI切换"));
        DPI_12->setText(tr("多媒体功能"));
        DPI_10->setText(tr("宏定义"));
        groupBox_4->setTitle(QString());
        Player->setText(tr("播放器"));
        StartPause_2->setText(tr("播放/暂停"));
        BackMusic_2->setText(tr("下一曲"));
        TopMusic_2->setText(tr("上一曲"));
        Mute->setText(tr("停止播放"));
        VolumeUp->setText(tr("静音"));
        VolumeDown->setText(tr("音量加"));
        VolumeDown_4->setText(tr("音量减"));
        VolumeDown_5->setText(tr("邮件"));
        VolumeDown_6->setText(tr("计算器"));
        VolumeDown_3->setText(tr("我的电脑"));
        VolumeDown_8->setText(tr("主页"));
        VolumeDown_9->setText(tr("搜索"));
        VolumeDown_7->setText(tr("前进"));
        VolumeDown_10->setText(tr("后退"));
        VolumeDown_12->setText(tr("停止网页"));
        VolumeDown_13->setText(tr("刷新"));
        VolumeDown_11->setText(tr("收藏夹"));
        VolumeUp_4->setText(tr("开/关所有装饰灯"));
        VolumeUp_5->setText(tr("开/关DPI指示灯"));
        VolumeUp_6->setText(tr("开/关灯带"));
        VolumeUp_7->setText(tr("循环切换灯带效果"));
        const char *const dpis[12] = {"100", "200", "300", "400",  "500",  "600",
                                      "700", "800", "900", "1000", "1100", "1200"};
        QToolButton *locks[12] = {VolumeUp_11, VolumeUp_12, VolumeUp_13, VolumeUp_16, VolumeUp_15, VolumeUp_19,
                                  VolumeUp_20, VolumeUp_22, VolumeUp_18, VolumeUp_24, VolumeUp_23, VolumeUp_21};
        for (int i = 0; i < 12; ++i)
            locks[i]->setText(tr(dpis[i]));
        groupBox_2->setTitle(QString());
        label_3->setText(tr("按钮防抖时间"));
        VolumeUp_2->setText(tr("左滚"));
        VolumeDown_2->setText(tr("右滚"));
        VolumeUp_8->setText(tr("DPI循环"));
        VolumeUp_9->setText(tr("DPI+"));
        VolumeUp_10->setText(tr("DPI-"));
        VolumeUp_14->setText(tr("上滚"));
        VolumeDown_14->setText(tr("下滚"));
        Reset->setText(tr("重置"));
    }

private:
    static void fixed(QWidget *w, int width, int height)
    {
        w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        w->setMinimumSize(QSize(width, height));
        w->setMaximumSize(QSize(width, height));
    }

    static void setUpItem(QToolButton *b, const QString &name, int width, int pointSize)
    {
        b->setObjectName(name);
        fixed(b, width, 22);
        b->setFont(Skin::Font(pointSize));
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QString());
        b->setCheckable(true);
        b->setAutoRaise(true);
    }

    static QToolButton *toolButton(QWidget *parent, const QString &name, int width, int height,
                                   QToolButton *made = nullptr)
    {
        QToolButton *b = made ? made : new QToolButton(parent);
        b->setObjectName(name);
        fixed(b, width, height);
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QString());
        b->setAutoRaise(true);
        return b;
    }

    static QToolButton *stripButton(QWidget *parent, const char *name, int x)
    {
        QToolButton *b = toolButton(parent, QString::fromUtf8(name), 90, 26);
        b->setGeometry(QRect(x, 350, 90, 26));
        b->setFont(Skin::Font(10));
        return b;
    }

    QToolButton *mainItem(const char *name, int pointSize)
    {
        QToolButton *b = new QToolButton(scrollAreaWidgetContents_4);
        setUpItem(b, QString::fromUtf8(name), 164, pointSize);
        verticalLayout_9->addWidget(b);
        return b;
    }

    static QToolButton *subItem(QWidget *parent, QVBoxLayout *layout, const char *name)
    {
        QToolButton *b = new QToolButton(parent);
        setUpItem(b, QString::fromUtf8(name), 174, 9);
        layout->addWidget(b);
        return b;
    }

    static QScrollArea *menuScrollArea(QWidget *parent, const char *name, int width, int height)
    {
        QScrollArea *area = new QScrollArea(parent);
        area->setObjectName(QString::fromUtf8(name));
        fixed(area, width, height);
        area->setFocusPolicy(Qt::NoFocus);
        area->setStyleSheet(QString::fromUtf8("QFrame{border:2px solid rgb(119,119,119);}"));
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setWidgetResizable(true);
        return area;
    }

    static QWidget *contents(const char *name, int width, int height)
    {
        QWidget *w = new QWidget();
        w->setObjectName(QString::fromUtf8(name));
        w->setGeometry(QRect(0, 0, width, height));
        fixed(w, width, height);
        return w;
    }

    static QVBoxLayout *subLayout(QWidget *parent, const char *name)
    {
        QVBoxLayout *layout = new QVBoxLayout(parent);
        layout->setObjectName(QString::fromUtf8(name));
        int left, top, right, bottom;
        layout->getContentsMargins(&left, &top, &right, &bottom);
        layout->setContentsMargins(7, top, right, bottom);
        return layout;
    }

    void menuPage(const char *pageName, QWidget **pageOut, const char *gridName, QGridLayout **gridOut,
                  const char *areaName, QScrollArea **areaOut, const char *contentsName, QWidget **contentsOut,
                  int contentsHeight, const char *layoutName, QVBoxLayout **layoutOut)
    {
        QWidget *p = new QWidget();
        p->setObjectName(QString::fromUtf8(pageName));
        fixed(p, 205, 240);
        QGridLayout *grid = new QGridLayout(p);
        grid->setObjectName(QString::fromUtf8(gridName));
        grid->setSpacing(0);
        grid->setContentsMargins(0, 0, 0, 0);
        *pageOut = p;
        *gridOut = grid;
        *areaOut = menuScrollArea(p, areaName, 205, 220);
        *contentsOut = contents(contentsName, 205, contentsHeight);
        *layoutOut = subLayout(*contentsOut, layoutName);
    }

    static QString scrollBarSheet()
    {
        return QString::fromUtf8(
            "#MainWindow{}"
            "QScrollArea{background-color:transparent;}"
            "QScrollBar:vertical{border:0px solid grey;background:rgb(28,28,28);color:rgb(28,28,28);width:10px;"
            "margin:2px 0 2px 0;}"
            "QScrollBar::handle:vertical{border:0px solid rgb(28,28,28);background-color:qlineargradient(x1:0, y1:0, "
            "x2:0, y2:0, stop:0 rgb(63, 63, 63), stop:1 rgb(63, 63, 63));border-radius:3px;min-height:30px;"
            "margin:0px 2px 0px 2px;}"
            "QScrollBar::add-line:vertical{border:0px solid grey;height:25px;background:rgb(28,28,28);"
            "subcontrol-position:bottom;subcontrol-origin:margin;}"
            "QScrollBar::sub-line:vertical{border:0px solid grey;height:25px;background:rgb(28,28,28);"
            "subcontrol-position:top;subcontrol-origin:margin;}"
            "QScrollBar::handle:pressed{background-color:qlineargradient(x1:0, y1:0, x2:1, y2:0, "
            "stop:0 rgb(63, 63, 63), stop:1 rgb(63, 63, 63));}"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical, QScrollBar::up-arrow:vertical, "
            "QScrollBar::down-arrow:vertical{background:transparent;border:none;}");
    }
};

namespace Ui {
class Buttoninterface : public Ui_Buttoninterface
{
};
} // namespace Ui
