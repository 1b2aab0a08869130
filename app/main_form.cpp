#include "app/main_form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

#include "app/main_icons.h"
#include "app/main_message_panel.h"
#include "app/main_navigation.h"
#include "app/main_pages.h"
#include "app/widgets/lamp_button.h"

namespace corvane {

namespace {

constexpr int RestoredWidth = 965;
constexpr int RestoredHeight = 734;
constexpr int TreeWidth = 131;
constexpr int MessagePanelHeight = 98;
constexpr int SplitterWidth = 2;
constexpr int StatusBarHeight = 19;
// The log sits 20 pixels into the panel and keeps 25 free below it.
constexpr int MessageMemoMargins = 45;
constexpr int MessageMemoScreenMargin = 31;

void Call(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

TMainForm::TMainForm(std::unique_ptr<SerialPort> port, QWidget* parent)
    : QMainWindow(parent), port_(std::move(port)) {
  setObjectName("MainForm");
  setWindowTitle("Corvane");
  setWindowIcon(ApplicationIcon());
  resize(RestoredWidth, RestoredHeight);

  actions_ = BuildMainMenus(*this);
  toolBar_ = BuildMainToolBar(*this, actions_);
  BuildLayout();

  timer1_.setObjectName("Timer1");
  timer1_.setInterval(1);
  timer1_.setTimerType(Qt::PreciseTimer);
  timer2_.setObjectName("Timer2");
  timer2_.setInterval(1);
  timer2_.setSingleShot(true);
  timer2_.setTimerType(Qt::PreciseTimer);
  Connect();
}

TMainForm::~TMainForm() {
  port_->SetOnPortClose(nullptr);
  port_->SetOnTriggerAvail(nullptr);
  // The pages are views of document_, which goes before the child widgets would.
  delete pages_;
}

void TMainForm::BuildLayout() {
  tree_ = new NavigationTree;
  pages_ = new EdsPages(document_);
  pages_->ShowPage(MainPage::Params);

  splitter2_ = new QSplitter(Qt::Horizontal);
  splitter2_->setObjectName("Splitter2");
  splitter2_->setHandleWidth(SplitterWidth);
  splitter2_->setChildrenCollapsible(false);
  splitter2_->addWidget(tree_);
  splitter2_->addWidget(pages_);
  splitter2_->setStretchFactor(1, 1);
  splitter2_->setSizes({TreeWidth, RestoredWidth - TreeWidth});

  messagePanel_ = new MessagePanel;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screenWidth = screen ? screen->geometry().width() : RestoredWidth;
  messagePanel_->MessageMemo->resize(screenWidth - MessageMemoScreenMargin,
                                     messagePanel_->MessageMemo->height());

  splitter1_ = new QSplitter(Qt::Vertical);
  splitter1_->setObjectName("Splitter1");
  splitter1_->setHandleWidth(SplitterWidth);
  splitter1_->setChildrenCollapsible(false);
  splitter1_->addWidget(splitter2_);
  splitter1_->addWidget(messagePanel_);
  splitter1_->setStretchFactor(0, 1);
  splitter1_->setSizes({RestoredHeight, MessagePanelHeight});
  setCentralWidget(splitter1_);

  statusBar()->setObjectName("StatusBar");
  statusBar()->setFixedHeight(StatusBarHeight);
  statusBar()->setSizeGripEnabled(false);
}

void TMainForm::Connect() {
  connect(&timer1_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
  connect(&timer2_, &QTimer::timeout, this, &TMainForm::Timer2Timer);
  connect(tree_, &NavigationTree::mousePressed, this, &TMainForm::TreeView1MouseDown);
  connect(messagePanel_, &MessagePanel::resized, this, &TMainForm::MessagePanelResize);

  connect(actions_.FileNew1, &QAction::triggered, this, &TMainForm::FileNew1Execute);
  connect(actions_.FileOpen1, &QAction::triggered, this, &TMainForm::FileOpen1Execute);
  connect(actions_.FileSave1, &QAction::triggered, this, &TMainForm::ToolButton2Click);
  connect(actions_.FileExit1, &QAction::triggered, this, &TMainForm::FileExit1Execute);
  connect(actions_.Setup, &QAction::triggered, this, &TMainForm::SetupClick);
  connect(actions_.ModifyEEPROM, &QAction::triggered, this, &TMainForm::ModifyEEPROMClick);
  connect(actions_.HelpAbout1, &QAction::triggered, this, &TMainForm::HelpAbout1Execute);

  connect(toolBar_.ComSetupVrPowerButton, &LampButton::clicked, this,
          &TMainForm::ComSetupVrPowerButtonClick);
  connect(toolBar_.StartVrPowerButton, &LampButton::clicked, this,
          &TMainForm::StartVrPowerButtonClick);

  port_->SetOnTriggerAvail([this](std::size_t) { ApdComPort1TriggerAvail(); });
  port_->SetOnPortClose([this] { ApdComPort1PortClose(); });
}

void TMainForm::AddMessage(const QString& line) {
  messagePanel_->AddLine(line);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!created_) {
    created_ = true;
    FormCreate();
  }
}

// The set-up dialogs come up over the window only once it is on the screen.
void TMainForm::FormCreate() {
  timer2_.start();
}

void TMainForm::Timer2Timer() {
  timer2_.stop();
  Call(hooks_.StartUpDialogs);
}

void TMainForm::Timer1Timer() {
  Call(hooks_.ReadOutTick);
}

void TMainForm::TreeView1MouseDown() {
  pages_->ShowPage(PageForTreePosition(tree_->SelectedPosition()));
}

void TMainForm::MessagePanelResize() {
  QPlainTextEdit& memo = *messagePanel_->MessageMemo;
  memo.resize(memo.width(), std::max(0, messagePanel_->height() - MessageMemoMargins));
}

void TMainForm::ComSetupVrPowerButtonClick() {
  toolBar_.ComSetupVrPowerButton->setActive(true);  // stays lit from now on
  Call(hooks_.ShowComSetup);
}

// The reset comes before the link check: a refused Start still leaves an empty
// EDS page and no marks, so nothing of the previous read-out passes for new.
void TMainForm::StartVrPowerButtonClick() {
  LampButton& button = *toolBar_.StartVrPowerButton;
  button.setActive(true);
  document_.ResetForReadOut();
  if (hooks_.LinkTested && hooks_.LinkTested()) {
    document_.ClearReadOutLists();
    Call(hooks_.Start);
  } else {
    Call(hooks_.ShowComSetupForStart);
  }
  button.setActive(false);
}

void TMainForm::SetupClick() {
  Call(hooks_.ShowVfdType);
}

void TMainForm::ModifyEEPROMClick() {
  Call(hooks_.ShowModifyEeprom);
}

void TMainForm::ToolButton2Click() {
  Call(hooks_.Save);
}

void TMainForm::FileExit1Execute() {
  close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TMainForm::FormClose() {
  timer1_.stop();
  timer2_.stop();
  port_->Close();  // an open port reports the closing: "Port close"
}

// Collects, never judges: the read-out decides what the bytes mean.
void TMainForm::ApdComPort1TriggerAvail() {
  reply_.Append(port_->TakeReceived());
}

void TMainForm::ApdComPort1PortClose() {
  AddMessage("Port close");
}

}  // namespace corvane
