// on-window <match> <action>...   actions: press <id> (a button),
//                                 select <id> (a radio button), esc, close
#include "Driver.h"

#include "Transcript.h"

#include <cstdlib>

bool OnWindow(Driver& driver, const Words& line)
{
    WindowRule rule;
    rule.match = line.words[1];
    rule.used = false;
    for (size_t i = 2; i < line.words.size(); ++i) {
        WindowAction action = {line.words[i], 0};
        if (action.verb == "press" || action.verb == "select") {
            if (i + 1 == line.words.size()) {
                Write(Record("error").Text("missing-control-id", action.verb));
                return false;
            }
            action.control = std::atoi(line.words[++i].c_str());
        } else if (action.verb != "esc" && action.verb != "close") {
            Write(Record("error").Text("unknown-action", action.verb));
            return false;
        }
        rule.actions.push_back(action);
    }
    driver.rules.push_back(rule);
    return true;
}
