#include "VorkastApp.h"

#include "TForm1.h"

#include "authoring/TForm3.h"
#include "results/TForm2.h"
#include "testing/TForm4.h"

namespace vorkast {

VorkastApp::VorkastApp(AppPaths paths, Dialogs &dialogs, UrlOpener &urlOpener)
    : m_context(std::move(paths), dialogs, urlOpener)
{
}

VorkastApp::~VorkastApp()
{
    // Windows go before the context whose queries they show.
    m_form4.reset();
    m_form3.reset();
    m_form2.reset();
    m_form1.reset();
}

void VorkastApp::start()
{
    m_form1 = std::make_unique<TForm1>(m_context);
    m_form1->FormCreate();
    m_form2 = std::make_unique<TForm2>(m_context);
    m_form3 = std::make_unique<TForm3>(m_context);
    m_form4 = std::make_unique<TForm4>(m_context);
    m_form1->setWindows(m_form2.get(), m_form3.get(), m_form4.get());
    m_form1->FormShow();
    m_form1->show();
}

} // namespace vorkast
