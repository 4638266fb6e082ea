// The live panel's HTTP interface on a real socket: every route, what a bad request gets, ten
// thousand malformed ones, another site's requests, the loopback-only binding and the port search,
// the change stream and many pages on it, the panel read again from disk.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <regex>
#include <sstream>
#include <thread>

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <unistd.h>

#include "bench/serve/frame_loop.h"
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
    // Whether `count` pages hold the change stream within 20 s.
    static bool pages_become(std::size_t count) {
        for (int wait = 0; wait < 400 && panel->changes().pages() != count; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return panel->changes().pages() == count;
    }
    static inline std::unique_ptr<live_panel> panel;
    static inline std::unique_ptr<http_server> server;
    static inline int port = 0;
    static inline std::jthread answering;
};

// A connection to the server that has sent `request` (or failed to connect).
int sent_request(int port, const std::string& request) {
    const int connection = socket(AF_INET, SOCK_STREAM, 0);
    const timeval wait{5, 0};
    setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    send(connection, request.data(), request.size(), MSG_NOSIGNAL);
    return connection;
}

// What the server sends on `connection` until it closes it; none when it still holds it after
// 5 s.
std::optional<std::string> reply_on(int connection) {
    std::string reply;
    char part[4096];
    ssize_t got = 0;
    while ((got = recv(connection, part, sizeof part, 0)) > 0) {
        reply.append(part, static_cast<std::size_t>(got));
    }
    const bool held = got < 0 && errno == EAGAIN;
    close(connection);
    return held ? std::nullopt : std::optional(reply);
}

// A request: a name, the status it gets, its method and target, a part of the answer, its body,
// and its headers (`;`-separated, {port} the server's) when they are not the page's own: as
// another site's page could send it, or the page's own by another of the server's names. None
// that is refused turns the night lighting on or pauses the flight.
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
Rebinding|403|GET /api/layout|not addressed to this server||Host: attacker.example:{port}
RebindingStream|403|GET /api/events|not addressed||Host: attacker.example
WrongPort|403|GET /api/layout|not addressed||Host: 127.0.0.1:1
NoHost|403|GET /api/layout|not addressed||X: no host
CrossSiteText|403|POST /api/flight|another site|{"paused":true}|Host: 127.0.0.1:{port};Origin: http://evil.example;Content-Type: text/plain
CrossSiteJson|403|POST /api/lighting|another site|{"night":true}|Host: localhost:{port};Origin: http://evil.example;Content-Type: application/json
SandboxedPage|403|POST /api/flight|another site|{"paused":true}|Host: 127.0.0.1:{port};Origin: null;Content-Type: application/json
OwnPageText|403|POST /api/lighting|application/json|{"night":true}|Host: 127.0.0.1:{port};Content-Type: text/plain
OwnPageForm|403|POST /api/variable|application/json|{"name":"AIRSPEED","value":5}|Host: 127.0.0.1:{port};Content-Type: application/x-www-form-urlencoded
Localhost|200|GET /api/layout|"Battery_Switch"||Host: LocalHost:{port}
Ipv6Loopback|200|GET /api/layout|"Battery_Switch"||Host: [::1]:{port}
OwnOrigin|200|POST /api/flight|ok|{"paused":false}|Host: 127.0.0.1:{port};Origin: http://127.0.0.1:{port};Content-Type: application/json
)";

// The rows of a table of `|`-separated fields, after `rows`.
std::vector<std::vector<std::string>> request_rows() {
    // A wave, a variable named by its token's number, a failure by its key, a body beyond the
    // limit, and a path that is not UTF-8.
    std::vector<std::vector<std::string>> rows = {
        {"Wave", "200", "GET /api/wave?id=" + std::to_string(WAVE_GEAR_WARNING), "RIFF", "", ""},
        {"FreeVariableByNumber", "200", "POST /api/variable", "ok",
         R"({"value":null,"name":")" + std::to_string(AIRSPEED) + "\"}", ""},
        {"Failure", "200", "POST /api/failure", "ok",
         R"({"active":false,"key":)" + std::to_string(FAIL_GAUGE_AIRSPEED) + "}", ""},
        {"HugeBody", "413", "POST /api/variable", "too large", std::string(100000, ' '), ""},
        {"PathNotUtf8", "404", "GET /api/w\xa4ve", "nothing is served at", "", ""}};
    std::istringstream lines{std::string(requests.substr(1))};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        auto& row = rows.emplace_back();
        for (std::string field; std::getline(fields, field, '|');) {
            row.push_back(field);
        }
        row.resize(6);
    }
    return rows;
}

class LivePanelRequests : public LivePanelHttp,
                          public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(LivePanelRequests, AnswerWithStatusAndMessage) {
    const auto& row = GetParam();
    const std::string own = "Host: 127.0.0.1:{port};Content-Type: application/json";
    std::string request = row[2] + " HTTP/1.1;" + (row[5].empty() ? own : row[5]) +
                          ";Connection: close;Content-Length: " + std::to_string(row[4].size()) +
                          ";;";
    request = std::regex_replace(std::regex_replace(request, std::regex(";"), "\r\n"),
                                 std::regex("\\{port\\}"), std::to_string(port));
    const auto reply = reply_on(sent_request(port, request + row[4])).value_or("");
    EXPECT_TRUE(reply.starts_with("HTTP/1.1 " + row[1])) << reply.substr(0, 200);
    EXPECT_NE(reply.find(row[3]), std::string::npos) << reply.substr(0, 200);
    EXPECT_EQ(reply.find("Access-Control-Allow"), std::string::npos);
    const json layout = json::parse(client().Get("/api/layout")->body);
    EXPECT_EQ(json({layout["night"], layout["paused"]}), json({false, false}));
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
        std::string request = malformed_request(random, i, (outside / "secret.txt").string());
        // Addressed to this server, as its own page's requests are, so that it reaches a route.
        if (const auto first_line = request.find("\r\n"); first_line != std::string::npos) {
            request.insert(first_line + 2, "Host: 127.0.0.1:" + std::to_string(port) +
                                               "\r\nContent-Type: application/json\r\n");
        }
        // Sent on a connection of its own whose sending side then ends (which the server may
        // take as the client gone).
        const int connection = sent_request(port, request);
        shutdown(connection, SHUT_WR);
        const auto reply = reply_on(connection);
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

// Frames with no page open move the flight on without drawing; the next frame drawn has each
// open window whole, since what the pages were sent is no longer known, but not the layout
// again (a new page's first message has it; the page would lay its windows out anew).
TEST_F(LivePanelHttp, FramesWithNoPageKeepTheFlightsTime) {
    panel->set_night(false);
    const double before = panel->snapshot().first["flight"]["time"];
    for (int frame = 0; frame < 36; ++frame) {
        panel->keep_time();
    }
    panel->step();
    const json frame = json::parse(panel->changes().wait(panel->changes().last() - 1, {})[0].data);
    EXPECT_NEAR(frame["flight"]["time"].get<double>() - before, 37.0 / 18.0, 1e-9);
    EXPECT_EQ(frame["tiles"][0]["w"], panel->layout()["windows"][0]["width"]);
    EXPECT_FALSE(frame.contains("layout"));
}

// As many pages as the server holds read the stream while the frame cycle runs: each receives
// every frame in turn, a request is answered meanwhile, and one more page is refused with why.
TEST_F(LivePanelHttp, ManyPagesEachReceiveEveryFrame) {
    ASSERT_TRUE(pages_become(0));
    const bench::serve::frame_loop cycle(*panel);
    std::vector<std::vector<std::uint64_t>> frames(bench::serve::max_pages);
    std::vector<std::jthread> pages;
    for (auto& read : frames) {
        // The numbers of the first 90 frames (5 s) a page reading the change stream receives.
        pages.emplace_back([&read] {
            httplib::Client page("127.0.0.1", port);
            page.set_read_timeout(30);
            std::string text;
            page.Get("/api/events", [&](const char* data, std::size_t length) {
                text.append(data, length);
                for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n')) {
                    if (text.starts_with("id: ")) {
                        read.push_back(std::stoull(text.substr(4, end - 4)));
                    }
                    text.erase(0, end + 1);
                }
                return read.size() < 90;
            });
        });
    }
    EXPECT_TRUE(pages_become(frames.size()));
    const auto refused = client().Get("/api/events");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->status, 503);
    EXPECT_NE(refused->body.find("too many pages open"), std::string::npos) << refused->body;
    EXPECT_EQ(client().Get("/api/layout")->status, 200);
    pages.clear();
    for (const auto& read : frames) {
        EXPECT_GE(read.size(), 90u);
        EXPECT_EQ(std::ranges::adjacent_find(read, [](auto a, auto b) { return b != a + 1; }),
                  read.end());
    }
}

// Forty connections ask for the stream and never read (a tab frozen, a client gone astray):
// those beyond the pages held are refused, the others dropped within seconds, and requests are
// answered meanwhile.
TEST_F(LivePanelHttp, PagesThatStopReadingAreDropped) {
    ASSERT_TRUE(pages_become(0));
    const bench::serve::frame_loop cycle(*panel);
    const std::string ask = "GET /api/events HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port);
    std::vector<int> stalled(40);
    std::ranges::generate(stalled, [&] { return sent_request(port, ask + "\r\n\r\n"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_GT(panel->changes().pages(), 0u);
    EXPECT_EQ(client().Get("/api/layout")->status, 200);
    EXPECT_TRUE(pages_become(0));
    std::ranges::for_each(stalled, close);
}

// The port asked for is taken, so a later one is bound (the very next may belong to another
// program's connection); and the server is bound to 127.0.0.1 alone: another address of the
// machine, 127.0.0.2, finds nobody there.
TEST_F(LivePanelHttp, ListensOnLoopbackOnlyAndALaterPortWhenTaken) {
    http_server second(*panel);
    const int bound = second.bind(port);
    EXPECT_GT(bound, port);
    EXPECT_LT(bound, port + bench::serve::ports_tried);
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
    EXPECT_EQ(layout.dump().find(scratch.string()), std::string::npos) << "a path the page shows";
    std::filesystem::remove_all(scratch);
}

}  // namespace
