#pragma once

#include <platform/form.h>

namespace orvane {

class Program;

class Form3 : public platform::Form {
    Q_OBJECT

public:
    explicit Form3(Program& program);

protected:
    void onUnload() override;

private:
    Program& m_program;
};

} // namespace orvane
