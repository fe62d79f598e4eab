#pragma once

#include <platform/form.h>

namespace orvane {

class Program;

class Form2 : public platform::Form {
    Q_OBJECT

public:
    explicit Form2(Program& program);

protected:
    void onUnload() override;

private:
    Program& m_program;
};

} // namespace orvane
