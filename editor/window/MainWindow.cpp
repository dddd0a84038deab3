#include "editor/window/MainWindow.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "editor/commands/FileCommands.hpp"
#include "editor/commands/GeometryRun.hpp"
#include "editor/commands/HelpCommands.hpp"
#include "editor/commands/ListingText.hpp"
#include "editor/commands/WindowSettings.hpp"
#include "editor/window/AboutBox.hpp"
#include "editor/window/RunForms.hpp"

namespace quillon::editor {

namespace {

// The Data Entry items in menu order, with the tick each keeps in the model.
struct DataEntryItem {
    const char* name;
    const char* caption;
    bool DataEntryTicks::*tick;
};
constexpr std::array<DataEntryItem, kDataEntryItems> kDataEntry = {{
    {"mnuFormDesc", "&Description", &DataEntryTicks::mnuFormDesc},
    {"mnuFormHoriz", "&Horizontal Alignment", &DataEntryTicks::mnuFormHoriz},
    {"mnuFormVert", "&Vertical Alignment", &DataEntryTicks::mnuFormVert},
    {"mnuFormCross", "&Cross Slope and Transition Data", &DataEntryTicks::mnuFormCross},
    {"mnuFormRef", "&Reference Line", &DataEntryTicks::mnuFormRef},
    {"mnuFormGird", "&Girder Line", &DataEntryTicks::mnuFormGird},
    {"mnuFormBent", "&Bent Line", &DataEntryTicks::mnuFormBent},
    {"mnuFormDead", "D&ead Load", &DataEntryTicks::mnuFormDead},
    {"mnuFormRoadApp", "R&oadway Approach", &DataEntryTicks::mnuFormRoadApp},
}};

// A page with lines of text, for the drawn images.
void DrawPage(QPainter& painter, const QRectF& page) {
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    for (double y = page.top() + 3; y < page.bottom() - 1; y += 3) {
        painter.drawLine(QPointF(page.left() + 2.5, y), QPointF(page.right() - 2.5, y));
    }
}

// The images of Print and Copy where the desktop's theme has none.
QIcon DrawnIcon(const QString& key) {
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(50, 50, 60), 1.4));
    if (key == QLatin1String("Print")) {
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(9, 3, 14, 10));
        painter.setBrush(QColor(150, 155, 170));
        painter.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        DrawPage(painter, QRectF(8, 19, 16, 11));
    } else {
        DrawPage(painter, QRectF(4, 3, 15, 19));
        DrawPage(painter, QRectF(13, 10, 15, 19));
    }
    return QIcon(image);
}

// The toolbar's keys, tool tips and images.
struct ToolKey {
    const char* key;
    const char* toolTip;
    const char* themeIcon;
    QStyle::StandardPixmap fallback;  // NStandardPixmap: drawn
};
constexpr std::array<ToolKey, 5> kToolKeys = {{
    {"New", "New Quillon input file", "document-new", QStyle::SP_FileIcon},
    {"Open", "Open existing file", "document-open", QStyle::SP_DialogOpenButton},
    {"Save", "Save input file", "document-save", QStyle::SP_DialogSaveButton},
    {"Print", "Print to the default printer", "document-print", QStyle::NStandardPixmap},
    {"Copy", "Copy text from the output area", "edit-copy", QStyle::NStandardPixmap},
}};

QAction* Separator(QMenu* menu, const char* name, bool visible = true) {
    QAction* bar = menu->addSeparator();
    bar->setObjectName(QString::fromLatin1(name));
    bar->setVisible(visible);
    return bar;
}

QFont ViewerFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(7.5);
    return font;
}

// The logical dots per inch that twips are converted with.
double DotsPerInch(const QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

// The viewer Output as Run Geometry fills it.
class OutputViewer : public ListingViewer {
public:
    explicit OutputViewer(QPlainTextEdit& output) : output_(output) {}
    void ShowListing(std::string_view text) override {
        output_.setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }

private:
    QPlainTextEdit& output_;
};

ScreenRect RectOf(const QRect& rect) {
    return ScreenRect{rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace

MainWindow::MainWindow(EditorSession& session, MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      services_(services),
      commands_{services.chooser, services.messages, services.question, services.runner} {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("KRAL Quillon"));
    setContextMenuPolicy(Qt::NoContextMenu);

    output_ = new QPlainTextEdit;
    output_->setObjectName(QStringLiteral("Output"));
    output_->setFont(ViewerFont());
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    output_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    output_->setPlainText(QString::fromLatin1(kViewerStartText.data()));
    setCentralWidget(output_);

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    RefreshTicks();
    PlaceFromSettings();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::Item(const QString& name) const {
    return findChild<QAction*>(name, Qt::FindChildrenRecursively);
}

void MainWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const char* name, const char* caption, auto handler,
                      QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    add(file, "mnuFileNew", "&New", &MainWindow::mnuFileNew_Click,
        QKeySequence(Qt::CTRL | Qt::Key_N));
    add(file, "mnuFileOpen", "&Open", &MainWindow::mnuFileOpen_Click,
        QKeySequence(Qt::CTRL | Qt::Key_O));
    Separator(file, "mnuFileBar1");
    add(file, "mnuFileSave", "&Save", &MainWindow::mnuFileSave_Click,
        QKeySequence(Qt::CTRL | Qt::Key_S));
    add(file, "mnuFileSaveAs", "Save &As...", &MainWindow::mnuFileSaveAs_Click);
    Separator(file, "mnuFileBar2");
    QMenu* run = file->addMenu(QStringLiteral("Run"));
    run->setObjectName(QStringLiteral("mnuFileRun"));
    run->menuAction()->setObjectName(QStringLiteral("mnuFileRunItem"));
    add(run, "mnuFileRunGeometry", "Geometry", &MainWindow::mnuFileRunGeometry_Click);
    add(run, "mnuFileRunProjCoord", "Project Coordinates", &MainWindow::mnuFileRunProjCoord_Click);
    add(run, "mnuFileRunCamber", "Camber", &MainWindow::mnuFileRunCamber_Click);
    add(run, "mnuFileRunStick", "Stick Figure", &MainWindow::mnuFileRunStick_Click);
    add(run, "mnuFileRunEaselor", "Easelor", [] {})->setEnabled(false);
    Separator(file, "mnuFileBar3");
    add(file, "mnuFilePrint", "&Print...", &MainWindow::mnuFilePrint_Click,
        QKeySequence(Qt::CTRL | Qt::Key_P));
    Separator(file, "mnuFileBar4");
    for (int i = 0; i < 4; ++i) {
        QAction* recent = add(file, "mnuFileMRU", "",
                              [this] { services_.messages.Warning("MRU Code goes here!"); });
        recent->setObjectName(QStringLiteral("mnuFileMRU%1").arg(i));
        recent->setVisible(false);
    }
    Separator(file, "mnuFileBar5", false);
    add(file, "mnuFileExit", "E&xit", [this] { close(); });

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    Separator(edit, "mnuEditBar1");
    add(edit, "mnuEditCopy", "&Copy from Output", &MainWindow::mnuEditCopy_Click,
        QKeySequence(Qt::CTRL | Qt::Key_C));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QAction* viewToolbar = add(view, "mnuViewToolbar", "&Toolbar",
                               [this](bool ticked) { toolBar_->setVisible(ticked); });
    QAction* viewStatusBar = add(view, "mnuViewStatusBar", "Status &Bar",
                                 [this](bool ticked) { statusBar()->setVisible(ticked); });
    for (QAction* item : {viewToolbar, viewStatusBar}) {
        item->setCheckable(true);
        item->setChecked(true);
    }
    Separator(view, "mnuViewBar2");
    add(view, "mnuViewOptions", "&Options...", [] {})->setEnabled(false);

    QMenu* form = bar->addMenu(QStringLiteral("&Data Entry"));
    form->setObjectName(QStringLiteral("mnuForm"));
    for (std::size_t i = 0; i < kDataEntry.size(); ++i) {
        dataEntry_[i] =
            add(form, kDataEntry[i].name, kDataEntry[i].caption, [this, i] { mnuForm_Click(i); });
        dataEntry_[i]->setCheckable(true);
    }

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    add(help, "mnuHelpContents", "&Contents", &MainWindow::mnuHelpContents_Click);
    add(help, "mnuHelpSearch", "&Search For Help On...", &MainWindow::mnuHelpSearch_Click);
    Separator(help, "mnuHelpBar1");
    add(help, "mnuHelpAbout", "&About KRAL_Quillon...", &MainWindow::mnuHelpAbout_Click);
}

void MainWindow::BuildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("tbToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    for (const ToolKey& tool : kToolKeys) {
        const QString key = QString::fromLatin1(tool.key);
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(tool.themeIcon),
                                            tool.fallback == QStyle::NStandardPixmap
                                                ? DrawnIcon(key)
                                                : style()->standardIcon(tool.fallback));
        QAction* button = toolBar_->addAction(icon, key);
        button->setObjectName(key);
        button->setToolTip(QString::fromLatin1(tool.toolTip));
        connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(false);
    auto* text = new QLabel(QString::fromLatin1(kStatusText));
    text->setObjectName(QStringLiteral("sbStatusText"));
    statusDate_ = new QLabel;
    statusDate_->setObjectName(QStringLiteral("sbStatusDate"));
    statusTime_ = new QLabel;
    statusTime_->setObjectName(QStringLiteral("sbStatusTime"));
    bar->addWidget(text, 1);
    bar->addPermanentWidget(statusDate_);
    bar->addPermanentWidget(statusTime_);
    UpdateClock();
    clock_ = new QTimer(this);
    connect(clock_, &QTimer::timeout, this, &MainWindow::UpdateClock);
    clock_->start(1000);
}

void MainWindow::UpdateClock() {
    const LocalTime now = services_.environment.Now();
    statusDate_->setText(
        QDate(now.year, now.month, now.day).toString(QStringLiteral("yyyy-MM-dd")));
    statusTime_->setText(QTime(now.hour, now.minute).toString(QStringLiteral("HH:mm")));
}

void MainWindow::PlaceFromSettings() {
    const WindowPlacement placement = ReadWindowPlacement(services_.settings);
    const double dpi = DotsPerInch(*this);
    ScreenRect wanted{TwipsToPixels(placement.left, dpi), TwipsToPixels(placement.top, dpi),
                      std::max(1, TwipsToPixels(placement.width, dpi)),
                      std::max(1, TwipsToPixels(placement.height, dpi))};
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(RectOf(screen->availableGeometry()));
    }
    if (const QScreen* primary = QGuiApplication::primaryScreen(); primary != nullptr) {
        wanted = PlaceOnScreens(wanted, screens, RectOf(primary->availableGeometry()));
    }
    move(wanted.left, wanted.top);
    resize(wanted.width, wanted.height);
}

void MainWindow::WritePlacement() {
    const double dpi = DotsPerInch(*this);
    WriteWindowPlacement(services_.settings,
                         {PixelsToTwips(pos().x(), dpi), PixelsToTwips(pos().y(), dpi),
                          PixelsToTwips(width(), dpi), PixelsToTwips(height(), dpi)});
}

void MainWindow::RefreshTicks() {
    for (std::size_t i = 0; i < kDataEntry.size(); ++i) {
        dataEntry_[i]->setChecked(session_.deck.ticks.*kDataEntry[i].tick);
    }
}

void MainWindow::tbToolBar_ButtonClick(const QString& key) {
    if (key == QLatin1String("New")) {
        mnuFileNew_Click();
    } else if (key == QLatin1String("Open")) {
        mnuFileOpen_Click();
    } else if (key == QLatin1String("Save")) {
        mnuFileSave_Click();
    } else if (key == QLatin1String("Print")) {
        mnuFilePrint_Click();
    } else if (key == QLatin1String("Copy")) {
        mnuEditCopy_Click();
    }
}

template <class Command>
auto MainWindow::WhileRunning(Command command) {
    running_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{running_};
    return command();
}

void MainWindow::mnuFileNew_Click() { FileNew(session_, commands_); }

void MainWindow::mnuFileOpen_Click() {
    if (!FileOpen(session_, commands_)) return;
    services_.forms.DeckOpened();
    RefreshTicks();
}

void MainWindow::mnuFileSave_Click() { FileSave(session_, commands_); }

void MainWindow::mnuFileSaveAs_Click() { FileSaveAs(session_, commands_); }

void MainWindow::mnuFileRunGeometry_Click() {
    OutputViewer viewer(*output_);
    WhileRunning([this, &viewer] { return RunGeometry(session_, commands_, viewer); });
}

template <class Form, class Ok>
void MainWindow::ShowRunForm(QPointer<Form>& form, Ok ok) {
    if (form == nullptr) {
        form = new Form(this);
        Form* made = form;
        made->SetOkHandler([this, made, ok] { return WhileRunning([&] { return ok(*made); }); });
        made->SetMayClose([this] { return !running_; });
    }
    form->show();
    form->raise();
    form->activateWindow();
}

void MainWindow::mnuFileRunProjCoord_Click() {
    ShowRunForm(projectCoord_, [this](ProjectCoordForm& form) {
        return ProjectCoordOk(session_, commands_, form.Fields());
    });
}

void MainWindow::mnuFileRunStick_Click() {
    ShowRunForm(stick_, [this](StickForm& form) {
        return StickOk(session_, commands_, form.ChosenItem());
    });
}

void MainWindow::mnuFileRunCamber_Click() {
    ShowRunForm(camber_, [this](CamberForm& form) {
        return CamberOk(session_, commands_, form.GirderSelectText());
    });
}

void MainWindow::mnuFilePrint_Click() {
    FilePrint(services_.printer, output_->toPlainText().toStdString());
}

void MainWindow::mnuEditCopy_Click() {
    QString selected = output_->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    QApplication::clipboard()->setText(selected);
}

void MainWindow::mnuHelpContents_Click() {
    HelpContents(session_.HelpFolder, services_.help, services_.messages);
}

void MainWindow::mnuHelpSearch_Click() {
    HelpSearch(session_.HelpFolder, services_.help, services_.messages);
}

void MainWindow::mnuHelpAbout_Click() {
    AboutBox about(services_.messages, this);
    about.exec();
}

void MainWindow::mnuForm_Click(std::size_t item) {
    session_.deck.ticks.*kDataEntry[item].tick = true;
    dataEntry_[item]->setChecked(true);
    // The item is one of the nine of the menu.
    services_.forms.Show(static_cast<int>(item));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (running_ || !MayLeaveEdits(session_, commands_)) {
        event->ignore();
        return;
    }
    services_.forms.CloseAll();
    for (RunForm* form :
         {static_cast<RunForm*>(projectCoord_.data()), static_cast<RunForm*>(stick_.data()),
          static_cast<RunForm*>(camber_.data())}) {
        if (form != nullptr) form->close();
    }
    if (!isMinimized()) WritePlacement();
    event->accept();
    emit Closed();
}

}  // namespace quillon::editor
