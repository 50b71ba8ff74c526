#include "cmnpreparedmessagebox.h"

#include <QPushButton>

namespace {

QPushButton *AddButton(CCmnMessageBoxEx &box, const CCmnMessageBoxButton &entry)
{
    if (entry.m_Text.isEmpty() && entry.m_StandardButton != 0) {
        // The box's own standard button, so that it looks like every other one on
        // the desktop; given another role, it keeps its text and takes that role.
        QPushButton *button = box.addButton(QMessageBox::StandardButton(entry.m_StandardButton));
        if (button) {
            if (box.buttonRole(button) != entry.m_Role) {
                box.removeButton(button);
                box.addButton(button, entry.m_Role);
            }
            return button;
        }
    }
    return box.addButton(entry.m_Text, entry.m_Role);
}

} // namespace

CCmnPreparedMessageBox::CCmnPreparedMessageBox(const CCmnMessageBoxRequest &request)
    : m_Options(request.m_Options)
    , m_Box(new CCmnMessageBoxEx(request.m_Icon, request.m_Title, request.m_Text, &m_Options,
                                 QMessageBox::NoButton, request.m_Parent,
                                 Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint))
{
    for (const CCmnMessageBoxButton &entry : request.m_Buttons)
        m_Buttons << AddButton(*m_Box, entry);
    if (!m_Options.m_InformativeText.isEmpty())
        m_Box->setInformativeText(m_Options.m_InformativeText);
    if (QPushButton *button = Button(request.m_DefaultButton))
        m_Box->setDefaultButton(button);
    if (QPushButton *button = Button(request.m_EscapeButton))
        m_Box->setEscapeButton(button);
}

CCmnPreparedMessageBox::~CCmnPreparedMessageBox()
{
    delete m_Box.data();
}

QPushButton *CCmnPreparedMessageBox::Button(qsizetype index) const
{
    return index >= 0 && index < m_Buttons.size() ? m_Buttons.at(index) : nullptr;
}

CCmnMessageBoxAnswer CCmnPreparedMessageBox::Run()
{
    if (m_Box)
        m_Box->exec();
    return Answer();
}

CCmnMessageBoxAnswer CCmnPreparedMessageBox::Answer() const
{
    CCmnMessageBoxAnswer answer;
    // The parent may have been closed, and the box with it, while the box waited.
    if (!m_Box)
        return answer;
    if (auto *clicked = qobject_cast<QPushButton *>(m_Box->clickedButton()))
        answer.m_Button = m_Buttons.indexOf(clicked);
    answer.m_DontAskAgain = m_Box->IsDontAskAgainChecked();
    return answer;
}

CCmnMessageBoxAnswer CCmnPreparedMessageBox::Present(const CCmnMessageBoxRequest &request)
{
    CCmnPreparedMessageBox box(request);
    return box.Run();
}
