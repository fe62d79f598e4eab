#include "form3.h"

#include "program.h"

namespace orvane {

Form3::Form3(Program& program) : m_program(program) {}

void Form3::onUnload()
{
    m_program.unloadAll();
}

} // namespace orvane
