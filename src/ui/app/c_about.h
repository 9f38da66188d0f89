#pragma once

#include <cstdint>
#include <memory>

#include <QDialog>

namespace Ui {
class CAbout;
}

namespace talvek {

// "About Talvek": credits, with a picture chosen by the size of the loaded ROM.
class CAbout : public QDialog {
    Q_OBJECT
public:
    explicit CAbout(std::int64_t romSize, QWidget *parent = nullptr);
    ~CAbout() override;

private:
    std::unique_ptr<Ui::CAbout> ui;
};

} // namespace talvek
