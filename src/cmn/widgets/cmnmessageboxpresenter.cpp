#include "cmnmessageboxpresenter.h"

#include "cmnpreparedmessagebox.h"
#include "cmnwaitcursor.h"

namespace {

TCmnMessageBoxPresenter &CurrentPresenter()
{
    static TCmnMessageBoxPresenter presenter;
    return presenter;
}

} // namespace

CCmnMessageBoxAnswer CmnExecMessageBox(const CCmnMessageBoxRequest &request)
{
    const CCmnWaitCursorSuspender suspender;
    const TCmnMessageBoxPresenter &presenter = CurrentPresenter();
    CCmnMessageBoxAnswer answer =
        presenter ? presenter(request) : CCmnPreparedMessageBox::Present(request);
    if (answer.m_Button < -1 || answer.m_Button >= request.m_Buttons.size())
        answer.m_Button = -1;
    return answer;
}

TCmnMessageBoxPresenter CmnSetMessageBoxPresenter(TCmnMessageBoxPresenter presenter)
{
    return std::exchange(CurrentPresenter(), std::move(presenter));
}
