#include "cli/CorvaneGen.h"

#include "files/ButtonFile.h"
#include "files/FileError.h"
#include "generate/Scrambler.h"

#include <string_view>

namespace corvane {

namespace {

constexpr std::string_view Usage = R"(Usage: corvane-gen html [--plain|--encrypt] FILE...
       corvane-gen cancel-link EMAIL
       corvane-gen cart-link EMAIL
       corvane-gen --help

Writes the HTML of the payment buttons kept in button files, or a service link, to
standard output, one line each.

Commands:
  html         For each FILE in turn: read it as a button file (single item,
               subscription or shopping cart) and write the code of its button.
  cancel-link  The link through which buyers cancel their subscriptions to EMAIL.
  cart-link    The link that shows a buyer the shopping cart of EMAIL.

Options of html:
  --encrypt    Scramble every code into a self-decoding script block.
  --plain      Never scramble.
               Without either, each file's "Encrypt Code" setting decides.
  --           Take every later argument as a FILE.

Exit status: 0 on success, 1 when a file cannot be read, 2 for a usage error.
)";

enum class Scrambling { AsFileSays, Plain, Encrypt };

struct UsageError {
    std::string message;
};

// A picture line that names no picture gives picture 1, the one that a page as it starts has ticked.
template <typename Button> Button WithPictureChosen(Button button) {
    if (button.ImageChoice == 0)
        button.ImageChoice = 1;
    return button;
}

// The code of the button in one file.
std::string ButtonCode(const ButtonFileLines& lines, Scrambling scrambling, FillerGenerator& filler) {
    std::string code;
    bool encrypt = false;
    switch (ButtonFileKind(lines)) {
    case ButtonKind::SingleItem: {
        const SingleItemButton button = WithPictureChosen(DecodeSingleItem(lines));
        code = GenerateSingleItemCode(button);
        encrypt = button.Encrypt;
        break;
    }
    case ButtonKind::Subscription: {
        const SubscriptionButton button = WithPictureChosen(DecodeSubscription(lines));
        code = GenerateSubscriptionCode(button);
        encrypt = button.Encrypt;
        break;
    }
    case ButtonKind::Cart: {
        const CartButton button = WithPictureChosen(DecodeCart(lines));
        code = GenerateCartCode(button);
        encrypt = button.Encrypt;
        break;
    }
    }
    if (scrambling == Scrambling::Encrypt || (scrambling == Scrambling::AsFileSays && encrypt))
        code = EncryptCode(code, filler);
    return code;
}

int RunHtml(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    Scrambling scrambling = Scrambling::AsFileSays;
    std::size_t next = 1;
    for (; next < arguments.size(); ++next) {
        const std::string& argument = arguments[next];
        if (argument == "--") {
            ++next;
            break;
        }
        if (argument == "--plain" || argument == "--encrypt") {
            const Scrambling chosen = argument == "--plain" ? Scrambling::Plain : Scrambling::Encrypt;
            if (scrambling != Scrambling::AsFileSays && scrambling != chosen)
                throw UsageError{"--plain and --encrypt exclude each other"};
            scrambling = chosen;
        } else if (argument.size() > 1 && argument[0] == '-') {
            throw UsageError{"unknown option " + argument};
        } else {
            break;
        }
    }
    if (next == arguments.size())
        throw UsageError{"html needs at least one FILE"};

    // One scrambler state for the run, from seed 0, going on from file to file as in the window program.
    FillerGenerator filler;
    for (; next < arguments.size(); ++next) {
        ButtonFileLines lines;
        try {
            lines = ReadButtonFile(arguments[next]);
        } catch (const FileError& error) {
            out.flush();
            err << ErrorBoxText(error.what()) << '\n';
            return 1;
        }
        out << ButtonCode(lines, scrambling, filler) << '\n';
    }
    out.flush();
    return 0;
}

int RunLink(const std::vector<std::string>& arguments, std::ostream& out) {
    if (arguments.size() != 2)
        throw UsageError{arguments[0] + " needs exactly one EMAIL"};
    const std::string& email = arguments[1];
    out << (arguments[0] == "cancel-link" ? CancelSubscriptionLink(email) : ViewCartLink(email)) << '\n';
    out.flush();
    return 0;
}

} // namespace

int RunCorvaneGen(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    try {
        if (arguments.empty())
            throw UsageError{"no command given"};
        const std::string& command = arguments[0];
        if (command == "--help" || command == "-h" || command == "help") {
            out << Usage;
            out.flush();
            return 0;
        }
        if (command == "html")
            return RunHtml(arguments, out, err);
        if (command == "cancel-link" || command == "cart-link")
            return RunLink(arguments, out);
        throw UsageError{"unknown command " + command};
    } catch (const UsageError& error) {
        err << "corvane-gen: " << error.message << "\nTry 'corvane-gen --help' for more information.\n";
        return 2;
    }
}

} // namespace corvane
