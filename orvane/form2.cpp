#include "form2.h"

#include "program.h"

namespace orvane {

Form2::Form2(Program& program) : m_program(program) {}

void Form2::onUnload()
{
    m_program.unloadAll();
}

} // namespace orvane
