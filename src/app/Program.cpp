// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include "Form1.h"
#include "about/ZELLABEL.h"
#include "editor/Form2.h"

#include <QCoreApplication>

Program::Program(Services services)
    : m_services(services), m_endHandler([] { QCoreApplication::exit(0); })
{ }

// The main window goes first: it works on the editor's lists until it is gone.
Program::~Program()
{
    m_form1.reset();
    m_form2.reset();
}

Form1 &Program::form1()
{
    if (!m_form1) {
        m_form1 = std::make_unique<Form1>(*this);
        m_form1->Form_Load();
    }
    return *m_form1;
}

Form2 &Program::form2()
{
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>(*this);
        m_form2->Form_Load();
    }
    return *m_form2;
}

ZELLABEL &Program::zellabel()
{
    if (!m_zellabel)
        m_zellabel = std::make_unique<ZELLABEL>();
    return *m_zellabel;
}

void Program::start()
{
    form1().show();
}

void Program::endProgram()
{
    m_endHandler();
}

void Program::setEndHandler(std::function<void()> handler)
{
    m_endHandler = std::move(handler);
}
