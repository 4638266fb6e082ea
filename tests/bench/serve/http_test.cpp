// The live panel's HTTP interface on a real socket: every route, what a bad request gets, ten
// thousand malformed ones, the loopback-only binding and the port search, the change stream, the
// panel read again from disk.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <thread>

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <unistd.h>

#include "bench/serve/http_server.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {

using bench::serve::http_server;
using bench::serve::live_panel;
using nlohmann::json;

const std::filesystem::path built_panel =
    std::filesystem::path(VAREK_MODULE_PATH).parent_path() / "panel" / "panel.cfg";
// This process's own folder: other builds run the same tests at the same time.
const std::filesystem::path scratch =
    std::filesystem::temp_directory_path() / ("varek_serve_" + std::to_string(getpid()));

// The built panel served on a free port to every test of the suite, its frames run by the test.
class LivePanelHttp : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        panel = std::make_unique<live_panel>(
            bench::serve::live_panel_options{VAREK_MODULE_PATH, built_panel, 0.0});
        server = std::make_unique<http_server>(*panel);
        port = server->bind(0);
        answering = std::jthread([] { server->run(); });
    }
    static void TearDownTestSuite() {
        server->stop();
        answering.join();
        server.reset();
        panel.reset();
    }
    static httplib::Client client() {
        httplib::Client c("127.0.0.1", port);
        c.set_read_timeout(10);
        return c;
    }
    static inline std::unique_ptr<live_panel> panel;
    static inline std::unique_ptr<http_server> server;
    static inline int port = 0;
    static inline std::jthread answering;
};

// A request: a name, the status it gets, its method and target, a part of the answer, and its
// body.
constexpr std::string_view requests = R"(
Page|200|GET /|panel.js|
Script|200|GET /panel.js|EventSource|
Layout|200|GET /api/layout|"Battery_Switch"|
Window|200|POST /api/window|ok|{"ident":50,"action":"close"}
Pause|200|POST /api/flight|ok|{"paused":false,"rate":2}
Variable|200|POST /api/variable|ok|{"name":"AIRSPEED","value":90}
Night|200|POST /api/lighting|ok|{"night":false}
UnknownPath|404|GET /etc/passwd|nothing is served at|
SourceFile|404|GET /panel.cfg|nothing is served at|
UnknownRoute|404|POST /api/nothing|not part of|{}
WrongMethod|405|DELETE /api/mouse|takes POST|
MalformedJson|400|POST /api/mouse|JSON object|{"window":
MissingField|400|POST /api/mouse|'y' must be a number|{"window":0,"x":1}
OutsideWindow|400|POST /api/mouse|outside window 0|{"window":0,"x":-3,"y":5,"action":"press"}
NoSuchWindow|400|POST /api/mouse|no window 42|{"window":42,"x":3,"y":5,"action":"press"}
UnknownButton|400|POST /api/mouse|left, right or middle|{"window":0,"x":3,"y":5,"action":"press","button":"fourth"}
UnknownVariable|400|POST /api/variable|unknown variable 'WARP'|{"name":"WARP","value":1}
MisspeltFlightField|400|POST /api/flight|'pause' is not one of|{"pause":true}
RateTooHigh|400|POST /api/flight|at most 16|{"rate":100}
MomentAfterTheFlight|400|POST /api/flight|from 0 to 600|{"at":1e9}
FailureKeyZero|400|POST /api/failure|from 1|{"key":0,"active":true}
HoverNotANumber|400|GET /api/hover?window=0&x=abc&y=1|'x' must be a number|
NoSuchWave|404|GET /api/wave?id=99|no wave 99|
)";

std::vector<std::vector<std::string>> request_rows() {
    const std::string airspeed = std::to_string(AIRSPEED);
    const std::string failure = std::to_string(FAIL_GAUGE_AIRSPEED);
    // A wave, a variable named by its token's number, a failure by its key, a body beyond the
    // limit, and a path that is not UTF-8.
    std::vector<std::vector<std::string>> rows = {
        {"Wave", "200", "GET /api/wave?id=" + std::to_string(WAVE_GEAR_WARNING), "RIFF", ""},
        {"FreeVariableByNumber", "200", "POST /api/variable", "ok",
         R"({"value":null,"name":")" + airspeed + "\"}"},
        {"Failure", "200", "POST /api/failure", "ok", R"({"active":false,"key":)" + failure + "}"},
        {"HugeBody", "413", "POST /api/variable", "too large", std::string(100000, ' ')},
        {"PathNotUtf8", "404", "GET /api/w\xa4ve", "nothing is served at", ""}};
    std::istringstream lines{std::string(requests.substr(1))};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        auto& row = rows.emplace_back();
        for (std::string field; std::getline(fields, field, '|');) {
            row.push_back(field);
        }
        row.resize(5);
    }
    return rows;
}

class LivePanelRequests : public LivePanelHttp,
                          public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(LivePanelRequests, AnswerWithStatusAndMessage) {
    const auto& row = GetParam();
    const std::string method = row[2].substr(0, row[2].find(' '));
    const std::string path = row[2].substr(row[2].find(' ') + 1);
    auto c = client();
    const auto reply = method == "GET"      ? c.Get(path)
                       : method == "DELETE" ? c.Delete(path)
                                            : c.Post(path, row[4], "application/json");
    ASSERT_TRUE(reply) << httplib::to_string(reply.error());
    EXPECT_EQ(std::to_string(reply->status), row[1]) << reply->body;
    EXPECT_NE(reply->body.find(row[3]), std::string::npos) << reply->body;
}

INSTANTIATE_TEST_SUITE_P(Routes, LivePanelRequests, ::testing::ValuesIn(request_rows()),
                         [](const auto& info) { return info.param[0]; });

// A request a page would never send, of each kind in turn: random bytes, a request cut short,
// headers or a target beyond the server's limits, an unknown method, a path out of the page's
// files towards `file`, a broken JSON body, a point outside every window, a body that is not the
// length it claims.
std::string malformed_request(std::mt19937& random, int kind, const std::string& file) {
    const auto pick = [&random](std::initializer_list<std::string> choices) {
        return *(choices.begin() + random() % choices.size());
    };
    const auto many = [&random](char c) { return std::string(9000 + random() % 60000, c); };
    const std::string click = R"({"window":0,"x":700,"y":300,"action":"press"})";
    const std::string route = pick({"/api/mouse", "/api/window", "/api/flight", "/api/variable",
                                    "/api/failure", "/api/lighting"});
    const auto post = [&route](const std::string& body, const std::string& path = "") {
        return "POST " + (path.empty() ? route : path) +
               " HTTP/1.1\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    };
    std::string noise(1 + random() % 512, '\0');
    std::ranges::generate(noise, [&random] { return static_cast<char>(random()); });
    const std::string x = pick({"-1", "1400.5", "1e9", "-1e308", "1e308", "9e999"});
    const std::string of_kind[] = {
        noise,
        post(click).substr(0, random() % (post(click).size() - 1) + 1),
        pick({"GET /" + many('a') + " HTTP/1.1\r\n\r\n",
              "GET / HTTP/1.1\r\nX: " + many('b') + "\r\n\r\n"}),
        pick({"PUT", "DELETE", "PATCH", "OPTIONS", "TRACE", "BREW", "get", "POST\tX"}) + " " +
            route + " HTTP/1.1\r\nContent-Length: 2\r\n\r\n{}",
        "GET " +
            pick({"/../../../../../.." + file, "/%2e%2e/%2e%2e/%2e%2e/%2e%2e/%2e%2e" + file,
                  "/..%2f..%2f..%2f..%2f..%2f.." + file, "/" + file, "//" + file,
                  "/index.html/../../../../.." + file, "/api/wave?id=../../.." + file,
                  "/api/wave?id=%2e%2e" + file, "/api/hover?window=" + file}) +
            " HTTP/1.1\r\n\r\n",
        post(pick({click.substr(0, random() % click.size()), "[]", "null", "\"x\"",
                   std::string(5000, '[') + std::string(5000, ']'),
                   R"({"window":"0","x":{},"y":[],"action":7})"})),
        pick({post(R"({"window":0,"x":)" + x + R"(,"y":300,"action":"press"})", "/api/mouse"),
              "GET /api/hover?window=" + pick({"0", "-1", "100", "1e10", "0.5"}) + "&x=" + x +
                  "&y=5 HTTP/1.1\r\n\r\n"}),
        "POST " + route + " HTTP/1.1\r\nContent-Length: " +
            pick({"-5", "99999999999", "12", "1x", ""}) + "\r\n\r\n{\"window\":0}",
    };
    return of_kind[kind % std::size(of_kind)];
}

// Sends a request on a connection of its own, ends the sending side, and reads what comes back
// until the server closes. None when the server still holds the connection after 5 s.
std::optional<std::string> exchange(int port, const std::string& request) {
    const int connection = socket(AF_INET, SOCK_STREAM, 0);
    const timeval wait{5, 0};
    setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::optional<std::string> reply;
    if (connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        send(connection, request.data(), request.size(), MSG_NOSIGNAL);
        shutdown(connection, SHUT_WR);
        reply.emplace();
        char part[4096];
        ssize_t got = 0;
        while ((got = recv(connection, part, sizeof part, 0)) > 0) {
            reply->append(part, static_cast<std::size_t>(got));
        }
        if (got < 0 && errno == EAGAIN) {
            reply.reset();
        }
    }
    close(connection);
    return reply;
}

// Each is answered with a 4xx or its connection closed; a file beside the server's (watched) is
// never opened, whatever path names it; and the server answers the next good request.
TEST_F(LivePanelHttp, RefusesTenThousandMalformedRequests) {
    const auto outside = scratch / "outside";
    std::filesystem::create_directories(outside);
    const std::string secret = "not the page's own";
    std::ofstream(outside / "secret.txt") << secret;
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(inotify_add_watch(watch, outside.c_str(), IN_OPEN | IN_ACCESS), 0);
    std::mt19937 random(2026);
    int wrong = 0;
    std::string first_wrong;
    for (int i = 0; i < 10000; ++i) {
        const std::string request = malformed_request(random, i, (outside / "secret.txt").string());
        const auto reply = exchange(port, request);
        const bool refused =
            reply && (reply->empty() || (reply->starts_with("HTTP/1.1 4") &&
                                         reply->find(secret) == std::string::npos));
        if (!refused && wrong++ == 0) {
            first_wrong =
                request.substr(0, 120) + "\n -> " + reply.value_or("(held)").substr(0, 120);
        }
    }
    EXPECT_EQ(wrong, 0) << first_wrong;
    char events[4096];
    EXPECT_LE(read(watch, events, sizeof events), 0) << "a request opened a file outside";
    close(watch);
    std::filesystem::remove_all(scratch);
    EXPECT_EQ(client().Get("/api/layout")->status, 200);
}

// A click on the battery switch through the interface reaches the aircraft, and the next frame
// on the change stream carries its key event, its click and a picture of the switch.
TEST_F(LivePanelHttp, ClickReachesTheNextFrame) {
    auto c = client();
    const json layout = json::parse(c.Get("/api/layout")->body);
    const json& gauges = layout["windows"][0]["gauges"];
    const auto battery =
        std::ranges::find(gauges, json("Battery_Switch"), [](const json& g) { return g["name"]; });
    ASSERT_NE(battery, gauges.end());
    const auto at = (*battery)["at"].get<std::vector<double>>();
    const double x = at[0] + at[2] / 2;
    const double y = at[1] + at[3] / 2;
    const auto hover =
        c.Get("/api/hover?window=0&x=" + std::to_string(x) + "&y=" + std::to_string(y));
    EXPECT_EQ(json::parse(hover->body)["cursor"], "hand") << hover->body;
    const std::uint64_t before = panel->changes().last();
    for (const char* action : {"press", "release"}) {
        const json click{{"window", 0}, {"x", x}, {"y", y}, {"action", action}};
        ASSERT_EQ(c.Post("/api/mouse", click.dump(), "application/json")->status, 200);
    }
    panel->step();
    const auto news = panel->changes().wait(before, std::chrono::seconds(1));
    ASSERT_FALSE(news.empty());
    const json frame = json::parse(news.back().data);
    EXPECT_NE(frame["keys"].dump().find("KEY_TOGGLE_MASTER_BATTERY"), std::string::npos);
    EXPECT_EQ(frame["sounds"][0]["wave"], WAVE_SWITCH_CLICK) << frame["sounds"];
    EXPECT_TRUE(std::ranges::any_of(frame["tiles"], [&](const json& tile) {
        return tile["x"] <= x && x < tile["x"].get<double>() + tile["w"].get<double>() &&
               tile["y"] <= y && y < tile["y"].get<double>() + tile["h"].get<double>();
    }));
}

// A new page's stream starts with the whole of every open window.
TEST_F(LivePanelHttp, StreamStartsWithTheWholePanel) {
    std::string received;
    client().Get("/api/events", [&](const char* data, std::size_t length) {
        received.append(data, length);
        return received.find("\n\n") == std::string::npos;
    });
    ASSERT_TRUE(received.starts_with("id: ")) << received.substr(0, 80);
    const auto data = received.find("data: ");
    const json first = json::parse(received.substr(data + 6, received.find("\n\n") - data - 6));
    EXPECT_EQ(first["tiles"][0]["w"], first["layout"]["windows"][0]["width"]);
    EXPECT_EQ(first["open"], json::array({0}));
}

// The port asked for is taken, so a later one is bound (the very next may belong to another
// program's connection).
TEST_F(LivePanelHttp, TakenPortGivesALaterOne) {
    http_server second(*panel);
    const int bound = second.bind(port);
    EXPECT_GT(bound, port);
    EXPECT_LT(bound, port + bench::serve::ports_tried);
}

// The server is bound to 127.0.0.1 alone: another address of the machine, 127.0.0.2, finds
// nobody there.
TEST_F(LivePanelHttp, ListensOnLoopbackOnly) {
    httplib::Client other("127.0.0.2", port);
    other.set_connection_timeout(2);
    EXPECT_FALSE(other.Get("/api/layout"));
    EXPECT_TRUE(client().Get("/api/layout"));
}

// The panel designer's loop: a changed panel.cfg is read again, its bad line reported.
TEST(LivePanelFiles, ChangedPanelIsReadAgain) {
    const auto folder = scratch / "panel";
    std::filesystem::create_directories(scratch);
    std::filesystem::copy(built_panel.parent_path(), folder);
    live_panel panel({VAREK_MODULE_PATH, folder / "panel.cfg", 0.0});
    EXPECT_FALSE(panel.reload_if_changed());
    std::ofstream(folder / "panel.cfg", std::ios::app)
        << "\n[Window08]\nsize_mm=100,100\nvisible=1\nident=300\n"
           "gauge00=Varek_Instr!No_Such_Gauge, 10, 10\n";
    std::filesystem::last_write_time(
        folder / "panel.cfg",
        std::filesystem::last_write_time(folder / "panel.cfg") + std::chrono::seconds(2));
    EXPECT_TRUE(panel.reload_if_changed());
    const json layout = panel.layout();
    EXPECT_EQ(layout["windows"].back()["number"], 8);
    EXPECT_NE(layout["reports"].dump().find("No_Such_Gauge"), std::string::npos)
        << layout["reports"];
    std::filesystem::remove_all(scratch);
}

}  // namespace
