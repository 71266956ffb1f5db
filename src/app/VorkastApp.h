#pragma once

#include "context/AppContext.h"

#include <memory>

namespace vorkast {

class TForm1;
class TForm2;
class TForm3;
class TForm4;

// The whole program: the shared context and the four windows, created in their order.
class VorkastApp {
public:
    VorkastApp(AppPaths paths, Dialogs &dialogs, UrlOpener &urlOpener);
    ~VorkastApp();

    // Creates the windows (the main window's start-up runs first) and shows the main window.
    void start();

    AppContext &context() { return m_context; }
    TForm1 *form1() const { return m_form1.get(); }
    TForm2 *form2() const { return m_form2.get(); }
    TForm3 *form3() const { return m_form3.get(); }
    TForm4 *form4() const { return m_form4.get(); }

private:
    AppContext m_context;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
};

} // namespace vorkast
