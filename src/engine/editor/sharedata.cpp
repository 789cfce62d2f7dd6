#include "editor/sharedata.h"

#include "state/game.h"
#include "state/sharefile.h"

namespace quotara {

void savegamedata(Game& game) {
    const FileError error = writeShareFile(game.folder.sharesFile(), game.state.shares);
    if (error.isError())
        game.messages.show(Messages::Kind::Error, fileErrorText(error, game.folder.sharesFile()));
}

bool loadgamedata(Game& game) {
    const ShareFileContent content =
        readShareFile(game.folder.sharesFile(), EmptyShareFile::ReadsNothing);
    if (content.error.isError()) {
        game.messages.show(Messages::Kind::Error,
                           fileErrorText(content.error, game.folder.sharesFile()));
        return false;
    }
    if (content.readNothing()) return false;
    applyShares(game.state, content.records);
    return true;
}

} // namespace quotara
