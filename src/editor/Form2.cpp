#include "Form2.h"
#include "app/ProgramTitle.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "platform/Centring.h"
#include "platform/ListBox.h"
#include "platform/Twips.h"
#include "platform/UiFont.h"

#include <QCloseEvent>

using namespace Qt::StringLiterals;

Form2::Form2(Program &program)
    : QWidget(nullptr)
    , m_program(program)
{
    setWindowTitle(programTitle);
    setWindowIcon(QIcon(u":/icons/zel-merkbold.svg"_s));
    setFixedSize(Twips::toPixels(8685), Twips::toPixels(6645));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, QColor(255, 255, 224)));
    setFont(uiFont());
    createControls();
}

void Form2::createControls()
{
    Liste1 = new ListBox(ListBox::Order::AsAdded, this);
    Liste1->setGeometry(Twips::rect(120, 3720, 7815, 1230));
    Liste1->setStyleSheet(u"color: #00C000;"_s);
    Liste1->setAccessibleName(u"Fragen"_s);
    Liste2 = new ListBox(ListBox::Order::AsAdded, this);
    Liste2->setGeometry(Twips::rect(120, 5160, 7815, 1230));
    Liste2->setStyleSheet(u"color: #C000C0;"_s);
    Liste2->setAccessibleName(u"Antworten"_s);
    connect(Liste1, &ListBox::Click, this, &Form2::Liste1_Click);
    connect(Liste2, &ListBox::Click, this, &Form2::Liste2_Click);
}

void Form2::Form_Load()
{
    centreOnScreen(*this);
}

void Form2::Liste1_Click()
{
    Liste2->setListIndex(Liste1->listIndex());
}

void Form2::Liste2_Click()
{
    Liste1->setListIndex(Liste2->listIndex());
}

// The editor's lists are the live catalogue: closing through the frame only hides the window
// and brings the quiz back.
void Form2::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
    m_program.form1().show();
}
